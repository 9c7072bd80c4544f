// SPDX-License-Identifier: MIT
#pragma once
// The browser's main window: the page's client area, a canvas that shows the two
// drawing layers with the label above it. It gets every mouse event of the client
// area, the label's included, and draws at a whole number of device pixels per
// picture pixel, the most at which the client area fits the viewport.

#include "view/clickrule.h"
#include "view/drawinglayers.h"
#include "view/web/anzeigelabel.h"

#include <functional>

class FendrelWindow {
public:
    using ClickHandler = std::function<void(Control control)>;
    // A key press, repeats included, as its virtual-key code and ShiftMask bits.
    using KeyHandler = std::function<void(int keyCode, int shift)>;

    FendrelWindow(ClickHandler onClick, KeyHandler onKeyDown);

    WindowSurface& surface() { return m_layers; }
    AnzeigeLabel& anzeigeLbl() { return m_anzeigeLbl; }

    // The page's events; positions in device pixels of the client area.
    void mouseDown(MouseButton button, int x, int y, bool secondOfDoubleClick);
    void mouseUp(MouseButton button, int x, int y);
    void keyDown(int keyCode, int shift);
    // A screen reader's activation of the label, as a click on it.
    void labelActivated();
    // The viewport, in device pixels, and the display scale.
    void viewport(double devicePixelRatio, int width, int height);
    // The whole client area, after the page gave the canvas other pixels.
    void repaint();

private:
    // Paints what the event made dirty, at once: a key's old and new post mostly
    // overlap.
    void paintDirty();
    Control controlAt(int x, int y) const;

    DrawingLayers m_layers;
    AnzeigeLabel m_anzeigeLbl;
    ClickRule m_click;
    int m_scale = 0;
    Area m_dirty; // in picture pixels
    ClickHandler m_onClick;
    KeyHandler m_onKeyDown;
};
