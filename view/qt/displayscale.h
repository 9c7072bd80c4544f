// SPDX-License-Identifier: MIT
#pragma once
// Makes Qt draw the window at a whole-number display scale. Must run before the
// QApplication is made.

void useWholeDisplayScale();
