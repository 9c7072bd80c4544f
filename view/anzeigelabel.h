#pragma once
// The display label: prompt and report, in dark blue over the empty picture.

#include "view/displaylabel.h"
#include "view/primaryclick.h"

#include <QLabel>

class AnzeigeLabel final : public QLabel, public DisplayLabel {
    Q_OBJECT
public:
    explicit AnzeigeLabel(QWidget* parent);

    std::string Caption() const override;
    void Caption(const std::string& text) override;
    void Visible(bool visible) override;
    void ForeColor(Colour colour) override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::string m_caption; // exactly as written, CR LF included
    PrimaryClick m_click;
};
