// SPDX-License-Identifier: MIT
#pragma once
// Key codes as the exercise compares them: the Windows virtual-key codes.

namespace VirtualKey {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Menu = 18; // Alt
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Numpad0 = 96;
constexpr int None = 0; // a key the program has no code for
} // namespace VirtualKey

// Shift state bits passed along with a key code.
namespace ShiftMask {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace ShiftMask
