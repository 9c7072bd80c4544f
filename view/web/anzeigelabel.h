// SPDX-License-Identifier: MIT
#pragma once
// The browser's display label: a text element above the canvas. Mouse events pass
// through it to the client area, which decides what a click hit.

#include "view/displaylabel.h"

class AnzeigeLabel final : public DisplayLabel {
public:
    AnzeigeLabel();

    std::string Caption() const override;
    void Caption(const std::string& text) override;
    void Visible(bool visible) override;
    void ForeColor(Colour colour) override;

    bool isShown() const { return m_shown; }
    // Place and font at a whole number of device pixels per picture pixel.
    void scale(int factor);

private:
    std::string m_caption; // exactly as written, CR LF included
    bool m_shown = true;
};
