// SPDX-License-Identifier: MIT
#pragma once
// Held keys: every repeated press is a key press of its own, so holding an arrow
// moves the post a pixel per repeat and holding Enter shoots once per repeat. A
// toolkit that folds several repeats into one event (its repeat count) still gives
// one KeyDown for each.

#include <algorithm>

constexpr int keyDownsFor(int repeatCount)
{
    return std::max(1, repeatCount);
}
