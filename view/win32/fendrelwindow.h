// SPDX-License-Identifier: MIT
#pragma once
// The Win32 main window: its client area shows the two drawing layers, and it carries
// the label. It gets every mouse event of its client area, the label's included, and
// draws at a whole-number multiple of its pixels for the monitor's dpi.

#include "view/clickrule.h"
#include "view/drawinglayers.h"
#include "view/win32/anzeigelabel.h"

#include <windows.h>

#include <functional>
#include <memory>

class FendrelWindow {
public:
    using ClickHandler = std::function<void(Control control)>;
    // A key press, repeats included, as its virtual-key code and ShiftMask bits.
    using KeyHandler = std::function<void(int keyCode, int shift)>;

    // Creates the window and its label, not yet shown.
    FendrelWindow(HINSTANCE instance, ClickHandler onClick, KeyHandler onKeyDown);
    ~FendrelWindow();
    FendrelWindow(const FendrelWindow&) = delete;
    FendrelWindow& operator=(const FendrelWindow&) = delete;

    WindowSurface& surface() { return m_layers; }
    AnzeigeLabel& anzeigeLbl() { return *m_anzeigeLbl; }
    void show(int showCommand);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    Colour background() const;
    void rescale(UINT dpi);
    RECT onScreen(const Area& area) const;
    Control controlUnder(LPARAM position) const;
    void mouseDown(MouseButton button, LPARAM position);
    void mouseUp(MouseButton button, WPARAM buttonsHeld, LPARAM position);

    HWND m_hwnd = nullptr;
    int m_scale = 1;
    DrawingLayers m_layers;
    std::unique_ptr<AnzeigeLabel> m_anzeigeLbl;
    ClickRule m_click;
    ClickHandler m_onClick;
    KeyHandler m_onKeyDown;
};
