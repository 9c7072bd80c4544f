// SPDX-License-Identifier: MIT
// The Qt main window: painting the layers, and its mouse and key events.
#include "view/qt/fendrelwindow.h"

#include "view/keyrepeat.h"
#include "view/qt/keymapping.h"
#include "view/qt/qtcolour.h"
#include "view/windowlayout.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

QRect toQRect(const Area& area)
{
    return QRect(area.left, area.top, area.width(), area.height());
}

MouseButton buttonOf(const QMouseEvent& event)
{
    return event.button() == Qt::LeftButton ? MouseButton::Primary : MouseButton::Other;
}

} // namespace

FendrelWindow::FendrelWindow()
    : m_layers([this](const Area& dirty) { update(toQRect(dirty)); }), m_anzeigeLbl(new AnzeigeLabel(this))
{
    setWindowTitle(QString::fromUtf8(WindowLayout::title));
    resize(WindowLayout::clientWidth, WindowLayout::clientHeight);
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    // We paint every pixel ourselves; no need for Qt to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FendrelWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    for (const std::vector<Box>* layer : {&m_layers.persistent(), &m_layers.transient()})
        for (const Box& box : *layer)
            painter.fillRect(toQRect(box.area), toQColor(box.colour));
}

Control FendrelWindow::controlUnder(const QMouseEvent& event) const
{
    const QPointF at = event.position();
    return controlAt(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())), width(), height(), 1,
                     m_anzeigeLbl->isVisibleTo(this));
}

void FendrelWindow::mousePressEvent(QMouseEvent* event)
{
    m_click.press(buttonOf(*event), controlUnder(*event));
}

void FendrelWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const Control clickedOn = m_click.release(buttonOf(*event), controlUnder(*event));
    if (clickedOn != Control::None)
        emit clicked(clickedOn);
}

void FendrelWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_click.doubleClick(buttonOf(*event));
}

void FendrelWindow::keyPressEvent(QKeyEvent* event)
{
    const int keyCode = virtualKeyCode(event->key(), event->modifiers());
    const int shift = shiftState(event->modifiers());
    for (int press = 0; press < keyDownsFor(event->count()); ++press)
        emit keyDown(keyCode, shift);
}

bool FendrelWindow::focusNextPrevChild(bool)
{
    return false;
}
