#pragma once
// The Qt display label: prompt and report, in dark blue over the empty picture. Mouse
// events pass through it to the window, which decides what a click hit.

#include "view/displaylabel.h"

#include <QLabel>

class AnzeigeLabel final : public QLabel, public DisplayLabel {
public:
    explicit AnzeigeLabel(QWidget* parent);

    std::string Caption() const override;
    void Caption(const std::string& text) override;
    void Visible(bool visible) override;
    void ForeColor(Colour colour) override;

private:
    std::string m_caption; // exactly as written, CR LF included
};
