// SPDX-License-Identifier: MIT
#pragma once
// The Win32 display label: a static text control. It lets the mouse through to the
// window, which decides what a click hit; the window also gives it its colours.

#include "view/displaylabel.h"

#include <windows.h>

class AnzeigeLabel final : public DisplayLabel {
public:
    AnzeigeLabel(HWND parent, HINSTANCE instance);
    ~AnzeigeLabel() override;
    AnzeigeLabel(const AnzeigeLabel&) = delete;
    AnzeigeLabel& operator=(const AnzeigeLabel&) = delete;

    std::string Caption() const override;
    void Caption(const std::string& text) override;
    void Visible(bool visible) override;
    void ForeColor(Colour colour) override;

    bool isShown() const { return m_shown; }
    Colour foreColor() const { return m_foreColor; }
    bool isControl(HWND control) const { return control == m_hwnd; }
    // Geometry and font at a whole-number display scale.
    void scale(int factor);

private:
    HWND m_hwnd;
    HFONT m_font = nullptr;
    std::string m_caption; // exactly as written, CR LF included
    Colour m_foreColor = 0;
    bool m_shown = true;
};
