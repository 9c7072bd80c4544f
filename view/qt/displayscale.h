// SPDX-License-Identifier: MIT
#pragma once
// The display scale the user asked for, taken over from Qt so that the window can draw
// at a whole number of device pixels per picture pixel chosen for the screen it is on:
// Qt reads its own factors once, for every screen, and so cannot step down on a screen
// where the scaled window would not fit.

class QScreen;

// Switches Qt's own scaling off and keeps the factors given to it. Must run before the
// QApplication is made.
void takeOverDisplayScale();

// The factors given to Qt (QT_SCALE_FACTOR, and QT_SCREEN_SCALE_FACTORS by name or by
// place) times the screen's dpi over 96. A screen that scales by itself, as Wayland's
// do, counts at 96 dpi: its own factor comes on top.
double displayScale(const QScreen& screen);
