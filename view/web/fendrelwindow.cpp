// SPDX-License-Identifier: MIT
// The browser's main window: painting the layers, the page's events, the scale.
#include "view/web/fendrelwindow.h"

#include "view/background.h"
#include "view/web/page.h"
#include "view/windowlayout.h"

#include <utility>

namespace {

constexpr Area wholeClient{0, 0, WindowLayout::clientWidth, WindowLayout::clientHeight};

void fill(const Area& device, Colour colour)
{
    fendrel_fill(device.left, device.top, device.width(), device.height(), redOf(colour), greenOf(colour),
                 blueOf(colour));
}

} // namespace

FendrelWindow::FendrelWindow(ClickHandler onClick, KeyHandler onKeyDown)
    : m_layers([this](const Area& dirty) { m_dirty = m_dirty.united(dirty); }), m_onClick(std::move(onClick)),
      m_onKeyDown(std::move(onKeyDown))
{
}

void FendrelWindow::viewport(double devicePixelRatio, int width, int height)
{
    const int scale = WindowLayout::fittingScale(devicePixelRatio, 0, 0, width, height);
    if (scale == m_scale)
        return;
    m_scale = scale;
    fendrel_client_size(WindowLayout::clientWidth * scale, WindowLayout::clientHeight * scale, scale);
    m_anzeigeLbl.scale(scale);
    repaint();
}

void FendrelWindow::repaint()
{
    m_dirty = wholeClient;
    paintDirty();
}

void FendrelWindow::paintDirty()
{
    if (m_dirty.empty() || m_scale == 0)
        return;
    // The background first, then every box over it: a canvas shows nothing of this
    // until the event is done, so nothing flickers.
    const Area device = m_dirty.scaled(m_scale);
    m_dirty = {};
    fill(device, fallbackBackground);
    for (const std::vector<Box>* layer : {&m_layers.persistent(), &m_layers.transient()})
        for (const Box& box : *layer)
            if (const Area visible = box.area.scaled(m_scale).intersected(device); !visible.empty())
                fill(visible, box.colour);
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
    paintDirty();
}

void FendrelWindow::keyDown(int keyCode, int shift)
{
    m_onKeyDown(keyCode, shift);
    paintDirty();
}

void FendrelWindow::labelActivated()
{
    if (m_anzeigeLbl.isShown())
        m_onClick(Control::Label);
    paintDirty();
}
