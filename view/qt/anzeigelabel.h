// SPDX-License-Identifier: MIT
#pragma once
// The Qt display label: prompt and report, in dark blue over the empty picture. Mouse
// events pass through it to the window, which decides what a click hit.
//
// The report is built piece by piece in the Caption; the label shows the text once
// the event that wrote it is done, so a screen reader hears the whole report once
// rather than forty-two pieces of it.

#include "view/displaylabel.h"

#include <QLabel>

class AnzeigeLabel final : public QLabel, public DisplayLabel {
    Q_OBJECT
public:
    explicit AnzeigeLabel(QWidget* parent);

    std::string Caption() const override;
    void Caption(const std::string& text) override;
    void Visible(bool visible) override;
    void ForeColor(Colour colour) override;

    Colour foreColor() const { return m_foreColor; }
    // Geometry and font at a whole number of pixels per picture pixel.
    void scale(int factor);

private:
    std::string m_caption; // exactly as written, CR LF included
    bool m_showPending = false;
    Colour m_foreColor = 0;
};
