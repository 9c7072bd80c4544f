// SPDX-License-Identifier: MIT
// The browser's main window: painting the layers, the page's events, the scale.
#include "view/web/fendrelwindow.h"

#include "view/background.h"
#include "view/web/page.h"
#include "view/windowlayout.h"

#include <algorithm>
#include <utility>

FendrelWindow::FendrelWindow(ClickHandler onClick, KeyHandler onKeyDown)
    : m_layers([this](const Area& dirty) { paint(dirty.scaled(m_scale)); }), m_onClick(std::move(onClick)),
      m_onKeyDown(std::move(onKeyDown))
{
}

void FendrelWindow::viewport(double devicePixelRatio, int width, int height)
{
    const int scale = WindowLayout::fittingScale(WindowLayout::wholeScale(devicePixelRatio), 0, 0, width, height);
    if (scale == m_scale)
        return;
    m_scale = scale;
    fendrel_client_size(WindowLayout::clientWidth * scale, WindowLayout::clientHeight * scale);
    m_anzeigeLbl.scale(scale);
    repaint();
}

void FendrelWindow::repaint()
{
    paint(Area{0, 0, WindowLayout::clientWidth, WindowLayout::clientHeight}.scaled(m_scale));
}

void FendrelWindow::paint(const Area& device)
{
    // The background first, then every box over it: a canvas shows nothing of this
    // until the event is done, so nothing flickers.
    const Colour background = fallbackBackground;
    fendrel_fill(device.left, device.top, device.width(), device.height(), redOf(background), greenOf(background),
                 blueOf(background));
    for (const std::vector<Box>* layer : {&m_layers.persistent(), &m_layers.transient()})
        for (const Box& box : *layer) {
            const Area area = box.area.scaled(m_scale);
            const Area visible{std::max(area.left, device.left), std::max(area.top, device.top),
                               std::min(area.right, device.right), std::min(area.bottom, device.bottom)};
            if (visible.width() > 0 && visible.height() > 0)
                fendrel_fill(visible.left, visible.top, visible.width(), visible.height(), redOf(box.colour),
                             greenOf(box.colour), blueOf(box.colour));
        }
}

Control FendrelWindow::controlAt(int x, int y) const
{
    return ::controlAt(x, y, WindowLayout::clientWidth * m_scale, WindowLayout::clientHeight * m_scale, m_scale,
                       m_anzeigeLbl.isShown());
}

void FendrelWindow::mouseDown(MouseButton button, int x, int y, bool secondOfDoubleClick)
{
    if (secondOfDoubleClick)
        m_click.doubleClick(button);
    else
        m_click.press(button, controlAt(x, y));
}

void FendrelWindow::mouseUp(MouseButton button, int x, int y)
{
    const Control clickedOn = m_click.release(button, controlAt(x, y));
    if (clickedOn != Control::None)
        m_onClick(clickedOn);
}

void FendrelWindow::labelActivated()
{
    if (m_anzeigeLbl.isShown())
        m_onClick(Control::Label);
}
