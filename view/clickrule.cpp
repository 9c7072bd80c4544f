// SPDX-License-Identifier: MIT
// Hit test and click rule shared by the front ends.
#include "view/clickrule.h"

#include "view/windowlayout.h"

Control controlAt(int x, int y, int clientWidth, int clientHeight, int scale, bool labelVisible)
{
    if (x < 0 || y < 0 || x >= clientWidth || y >= clientHeight)
        return Control::None;
    return labelVisible && WindowLayout::label.scaled(scale).contains(x, y) ? Control::Label : Control::Window;
}

void ClickRule::press(MouseButton button, Control on)
{
    // Any other button pressed meanwhile spoils the click, as it does on the desktop.
    m_pressedOn = button == MouseButton::Primary ? on : Control::None;
}

void ClickRule::doubleClick(MouseButton button)
{
    if (button == MouseButton::Primary)
        m_pressedOn = Control::None;
}

Control ClickRule::release(MouseButton button, Control on)
{
    if (button != MouseButton::Primary)
        return Control::None;
    const Control pressedOn = m_pressedOn;
    m_pressedOn = Control::None;
    return pressedOn == on ? pressedOn : Control::None;
}

void ClickRule::cancel()
{
    m_pressedOn = Control::None;
}
