// SPDX-License-Identifier: MIT
// Qt key to virtual-key code.
#include "view/qt/keymapping.h"

#include "runtime/virtualkeys.h"

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    switch (qtKey) {
    case Qt::Key_Left: return VirtualKey::Left;
    case Qt::Key_Right: return VirtualKey::Right;
    case Qt::Key_Up: return VirtualKey::Up;
    case Qt::Key_Down: return VirtualKey::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VirtualKey::Return;
    case Qt::Key_Backspace: return VirtualKey::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VirtualKey::Tab;
    case Qt::Key_Shift: return VirtualKey::Shift;
    case Qt::Key_Control: return VirtualKey::Control;
    case Qt::Key_Alt: return VirtualKey::Menu;
    case Qt::Key_Escape: return VirtualKey::Escape;
    case Qt::Key_Space: return VirtualKey::Space;
    default: break;
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return modifiers.testFlag(Qt::KeypadModifier) ? VirtualKey::Numpad0 + (qtKey - Qt::Key_0) : qtKey;
    // Qt's letter keys carry the upper-case ASCII code, as the virtual keys do.
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;
    return VirtualKey::None;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? ShiftMask::Shift : 0)
        | (modifiers.testFlag(Qt::ControlModifier) ? ShiftMask::Ctrl : 0)
        | (modifiers.testFlag(Qt::AltModifier) ? ShiftMask::Alt : 0);
}
