// SPDX-License-Identifier: MIT
#pragma once
// The Qt main window: its client area shows the two drawing layers, and it carries
// the label. It gets every mouse event of its client area, the label's included, and
// draws at a whole number of pixels per picture pixel, the most at which it fits the
// free area of its screen, up to the display scale.

#include "view/clickrule.h"
#include "view/drawinglayers.h"
#include "view/qt/anzeigelabel.h"

#include <QWidget>

class FendrelWindow final : public QWidget {
    Q_OBJECT
public:
    FendrelWindow();

    WindowSurface& surface() { return m_layers; }
    AnzeigeLabel& anzeigeLbl() { return *m_anzeigeLbl; }
    // Pixels (Qt's own) per picture pixel.
    int scale() const { return m_scale; }

signals:
    // A click on the window's client area (Control::Window) or on the shown label.
    void clicked(Control control);
    // A key press, auto-repeat included, as a virtual-key code and ShiftMask bits.
    void keyDown(int keyCode, int shift);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab is a key like any other here, not a focus move.
    bool focusNextPrevChild(bool next) override;

private:
    // Chooses the scale for the screen the window is on, and resizes to it.
    void fitScreen();
    Control controlUnder(const QMouseEvent& event) const;

    DrawingLayers m_layers;
    AnzeigeLabel* m_anzeigeLbl;
    ClickRule m_click;
    int m_scale = 0;
    QSize m_frame;            // what the window manager's frame adds to the window
    bool m_frameKnown = false; // once the window manager has framed the window
};
