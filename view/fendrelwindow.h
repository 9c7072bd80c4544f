#pragma once
// The main window: its client area is the drawing surface, and it carries the label.

#include "view/anzeigelabel.h"
#include "view/primaryclick.h"
#include "view/windowsurface.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <vector>

class FendrelWindow final : public QWidget, public WindowSurface {
    Q_OBJECT
public:
    FendrelWindow();

    AnzeigeLabel& anzeigeLbl() { return *m_anzeigeLbl; }

    void AutoRedraw(bool persistent) override;
    RasterMode DrawMode() const override;
    void DrawMode(RasterMode mode) override;
    void Cls() override;
    void Line(Integer x1, Integer y1, Integer x2, Integer y2, Colour colour) override;

signals:
    // A click on the client area where the label is not visible.
    void clicked();
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
    struct Box {
        QRect area;
        QColor colour;
    };
    void repaintArea(const std::vector<Box>& boxes);

    // Both layers are kept as the boxes drawn on them, so a repaint of any area
    // (after the window was covered, or made larger) shows both again exactly.
    std::vector<Box> m_persistent;
    std::vector<Box> m_transient;
    bool m_autoRedraw = false;
    RasterMode m_drawMode = RasterMode::CopyPen;
    AnzeigeLabel* m_anzeigeLbl;
    PrimaryClick m_click;
};
