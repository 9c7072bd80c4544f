// SPDX-License-Identifier: MIT
#pragma once
// What assistive technology (AT-SPI on Linux) sees of the window and its label: a
// frame named "Fendrel" and a label whose name and text are what it shows, both with
// a "press" action that acts as a click on them.

// Before the first window is made: Qt keeps the interface it first made for a widget.
void installAccessibleInterfaces();
