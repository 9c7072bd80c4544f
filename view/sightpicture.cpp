// SPDX-License-Identifier: MIT
// Drawing sequences of the sight picture.
#include "view/sightpicture.h"

namespace SightPicture {
namespace {

constexpr Colour black = rgb(0, 0, 0);

void drawPost(WindowSurface& surface, Integer postX, Integer postY, Integer attempt)
{
    // Every corner is checked Integer arithmetic; the aiming keys keep the post
    // where none of it can overflow.
    const Integer right = (postX + Integer(200)) - Integer(6) * attempt;
    surface.Line(postX, postY, right, postY + Integer(500), black);
}

} // namespace

void drawStart(WindowSurface& surface, Integer postX, Integer postY, Integer attempt)
{
    surface.AutoRedraw(true);
    const RasterMode savedDrawMode = surface.DrawMode();
    surface.DrawMode(RasterMode::CopyPen);
    surface.Line(50, 200, 300, 400, black);  // left block
    surface.Line(500, 200, 750, 400, black); // right block
    surface.Line(50, 400, 750, 600, black);  // base block
    surface.AutoRedraw(false);
    drawPost(surface, postX, postY, attempt);
    surface.DrawMode(savedDrawMode);
}

void drawRedraw(WindowSurface& surface, Integer postX, Integer postY, Integer attempt)
{
    surface.Cls();
    drawPost(surface, postX, postY, attempt);
}

void drawClear(WindowSurface& surface)
{
    surface.AutoRedraw(true);
    surface.Cls();
}

} // namespace SightPicture
