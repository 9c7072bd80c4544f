// SPDX-License-Identifier: MIT
#pragma once
// The sight picture: a rear sight with its notch, and the front-sight post.
//
// The notch spans x 300..500 (centre 400) and the rear sight's top edge is y 200;
// a shot's deviations are measured against these.

#include "runtime/integer.h"
#include "view/windowsurface.h"

namespace SightPicture {

// The post is 200 - 6 x attempt pixels wide (194 on attempt 1) and 500 high.

// Start of a run: the rear sight into the persistent layer, the post on top of it.
void drawStart(WindowSurface& surface, Integer postX, Integer postY, Integer attempt);

// After a key press: the previous post goes, the current one is drawn.
void drawRedraw(WindowSurface& surface, Integer postX, Integer postY, Integer attempt);

// End of a run: nothing of the picture remains.
void drawClear(WindowSurface& surface);

} // namespace SightPicture
