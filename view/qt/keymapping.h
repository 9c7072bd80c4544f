// SPDX-License-Identifier: MIT
#pragma once
// The one place where Qt's keys become the exercise's key codes.

#include <Qt>

// The Windows virtual-key code for a Qt key, VirtualKey::None where there is none.
// The keypad's Enter is Return; its arrows (Num Lock off) are the arrow keys.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// Shift, Ctrl and Alt as ShiftMask bits.
int shiftState(Qt::KeyboardModifiers modifiers);
