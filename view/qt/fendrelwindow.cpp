// SPDX-License-Identifier: MIT
// The Qt main window: painting the layers, and its mouse and key events.
#include "view/qt/fendrelwindow.h"

#include "view/background.h"
#include "view/keyrepeat.h"
#include "view/qt/displayscale.h"
#include "view/qt/keymapping.h"
#include "view/qt/qtcolour.h"
#include "view/windowlayout.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

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
    : m_layers([this](const Area& dirty) { update(toQRect(dirty.scaled(m_scale))); }),
      m_anzeigeLbl(new AnzeigeLabel(this))
{
    setWindowTitle(QString::fromUtf8(WindowLayout::title));
    fitScreen();
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    // We paint every pixel ourselves; no need for Qt to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FendrelWindow::fitScreen()
{
    const QRect free = screen()->availableGeometry();
    const int scale = WindowLayout::fittingScale(displayScale(*screen()), m_frame.width(), m_frame.height(),
                                                 free.width(), free.height());
    if (scale == m_scale)
        return;
    m_scale = scale;
    m_anzeigeLbl->scale(scale);
    resize(WindowLayout::clientWidth * scale, WindowLayout::clientHeight * scale);
    update();
}

void FendrelWindow::showEvent(QShowEvent*)
{
    // The native window exists from the first show on; a filter is installed only once.
    windowHandle()->installEventFilter(this);
    connect(windowHandle(), &QWindow::screenChanged, this, &FendrelWindow::fitScreen, Qt::UniqueConnection);
}

bool FendrelWindow::eventFilter(QObject*, QEvent* event)
{
    // The frame's size is known once the window manager has framed the window, which
    // it has by the time the window is first exposed.
    if (event->type() == QEvent::Expose && !m_frameKnown && windowHandle()->isExposed()) {
        m_frameKnown = true;
        m_frame = frameGeometry().size() - size();
        fitScreen();
    }
    return false;
}

void FendrelWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(),
                     toQColor(windowBackground(fromQColor(palette().window().color()), m_anzeigeLbl->foreColor())));
    for (const std::vector<Box>* layer : {&m_layers.persistent(), &m_layers.transient()})
        for (const Box& box : *layer)
            painter.fillRect(toQRect(box.area.scaled(m_scale)), toQColor(box.colour));
}

Control FendrelWindow::controlUnder(const QMouseEvent& event) const
{
    const QPointF at = event.position();
    return controlAt(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())), width(), height(),
                     m_scale, m_anzeigeLbl->isVisibleTo(this));
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
