// SPDX-License-Identifier: MIT
#pragma once
// The colour behind the picture and the label. The system's dialog colour, as a
// desktop program's window has, wherever the label's text can be read on it; on a dark
// or mid-grey theme the black picture and the dark blue text would vanish into it, so
// there the window keeps a light grey of its own.

#include "runtime/colour.h"

// The window's own light grey, for where the theme's colour will not do, and for the
// browser, whose page has no theme of its own to follow.
constexpr Colour fallbackBackground = rgb(240, 240, 240);

// Contrast of two colours as WCAG 2.2 defines it: 1 (the same) to 21 (black on white).
double contrastRatio(Colour a, Colour b);

Colour windowBackground(Colour systemDialog, Colour labelText);
