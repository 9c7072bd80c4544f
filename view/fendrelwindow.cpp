// The main window's drawing layers and events.
#include "view/fendrelwindow.h"

#include "view/keymapping.h"
#include "view/qtcolour.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

FendrelWindow::FendrelWindow() : m_anzeigeLbl(new AnzeigeLabel(this))
{
    setWindowTitle(QStringLiteral("Fendrel"));
    resize(792, 573);
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    // We paint every pixel ourselves; no need for Qt to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FendrelWindow::AutoRedraw(bool persistent)
{
    m_autoRedraw = persistent;
}

RasterMode FendrelWindow::DrawMode() const
{
    return m_drawMode;
}

void FendrelWindow::DrawMode(RasterMode mode)
{
    m_drawMode = mode;
}

void FendrelWindow::Cls()
{
    repaintArea(m_transient);
    m_transient.clear();
    if (m_autoRedraw) {
        repaintArea(m_persistent);
        m_persistent.clear();
    }
}

void FendrelWindow::Line(Integer x1, Integer y1, Integer x2, Integer y2, Colour colour)
{
    // The box leaves out the column of its right edge and the row of its bottom edge,
    // so its width and height are the differences of the corners.
    const int left = std::min(x1.value(), x2.value());
    const int top = std::min(y1.value(), y2.value());
    const QRect area(left, top, std::max(x1.value(), x2.value()) - left, std::max(y1.value(), y2.value()) - top);
    (m_autoRedraw ? m_persistent : m_transient)
        .push_back({area, toQColor(colour)});
    update(area);
}

void FendrelWindow::repaintArea(const std::vector<Box>& boxes)
{
    for (const Box& box : boxes)
        update(box.area);
}

void FendrelWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    for (const std::vector<Box>* layer : {&m_persistent, &m_transient})
        for (const Box& box : *layer)
            painter.fillRect(box.area, box.colour);
}

void FendrelWindow::mousePressEvent(QMouseEvent* event)
{
    m_click.press(*event);
}

void FendrelWindow::mouseReleaseEvent(QMouseEvent* event)
{
    // Released over the visible label is released over another control: no click.
    if (m_click.release(*event, rect()) && !childAt(event->position().toPoint()))
        emit clicked();
}

void FendrelWindow::mouseDoubleClickEvent(QMouseEvent*)
{
    m_click.doubleClick();
}

void FendrelWindow::keyPressEvent(QKeyEvent* event)
{
    emit keyDown(virtualKeyCode(event->key(), event->modifiers()), shiftState(event->modifiers()));
}

bool FendrelWindow::focusNextPrevChild(bool)
{
    return false;
}
