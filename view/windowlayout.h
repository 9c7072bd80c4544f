// SPDX-License-Identifier: MIT
#pragma once
// The main window as both front ends build it, in the picture's own pixels (pixels
// at 96 dpi); a front end multiplies them by its whole-number display scale.

#include "view/area.h"

namespace WindowLayout {

constexpr const char* title = "Fendrel";
constexpr int clientWidth = 792;
constexpr int clientHeight = 573;

// The label AnzeigeLbl, and its text before the exercise loads.
constexpr Area label{8, 8, 8 + 769, 8 + 553};
constexpr const char* labelCaption = "Label1";
// Tahoma 14.25 pt at 96 dpi; a sans-serif of the same size where Tahoma is missing.
constexpr const char* fontFamily = "Tahoma";
constexpr int fontPixelSize = 19;

// The factor by which a front end draws at a given display scale. Only a whole
// number maps every pixel of the picture to the same number of device pixels, so
// that a key press always moves the post by the same amount and a centred post
// shows equal gaps; halves round up, as Qt's own rounding does.
constexpr int wholeScale(double displayScale)
{
    return displayScale < 1.5 ? 1 : static_cast<int>(displayScale + 0.5);
}

// The scale to draw at on a screen: the largest, at most the display scale made whole
// and at least 1, at which the window fits in the screen's free area (without panels
// and taskbar). `frame` is what the window's frame adds to the client area's size.
constexpr int fittingScale(double displayScale, int frameWidth, int frameHeight, int availableWidth,
                           int availableHeight)
{
    int scale = wholeScale(displayScale);
    while (scale > 1
           && (clientWidth * scale + frameWidth > availableWidth || clientHeight * scale + frameHeight > availableHeight))
        --scale;
    return scale;
}

} // namespace WindowLayout
