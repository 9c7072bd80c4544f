// SPDX-License-Identifier: MIT
#pragma once
// The Qt main window: its client area shows the two drawing layers, and it carries
// the label. It gets every mouse event of its client area, the label's included.

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

signals:
    // A click on the window's client area (Control::Window) or on the shown label.
    void clicked(Control control);
    // A key press, auto-repeat included, as a virtual-key code and ShiftMask bits.
    void keyDown(int keyCode, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab is a key like any other here, not a focus move.
    bool focusNextPrevChild(bool next) override;

private:
    Control controlUnder(const QMouseEvent& event) const;

    DrawingLayers m_layers;
    AnzeigeLabel* m_anzeigeLbl;
    ClickRule m_click;
};
