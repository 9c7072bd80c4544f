// SPDX-License-Identifier: MIT
#pragma once
// A rectangle of the client area in the picture's own pixels: right and bottom lie
// just outside it.

struct Area {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    constexpr Area scaled(int factor) const { return {left * factor, top * factor, right * factor, bottom * factor}; }
    bool operator==(const Area&) const = default;
};
