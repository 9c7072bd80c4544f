// SPDX-License-Identifier: MIT
#pragma once
// A rectangle of the client area in the picture's own pixels: right and bottom lie
// just outside it.

#include <algorithm>

struct Area {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    constexpr Area scaled(int factor) const { return {left * factor, top * factor, right * factor, bottom * factor}; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr Area intersected(const Area& other) const
    {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right), std::min(bottom, other.bottom)};
    }
    // The smallest area holding both.
    constexpr Area united(const Area& other) const
    {
        if (empty())
            return other;
        if (other.empty())
            return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    bool operator==(const Area&) const = default;

};
