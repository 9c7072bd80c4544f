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
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr Area intersected(const Area& other) const
    {
        return {max(left, other.left), max(top, other.top), min(right, other.right), min(bottom, other.bottom)};
    }
    // The smallest area holding both.
    constexpr Area united(const Area& other) const
    {
        if (empty())
            return other;
        if (other.empty())
            return *this;
        return {min(left, other.left), min(top, other.top), max(right, other.right), max(bottom, other.bottom)};
    }
    bool operator==(const Area&) const = default;

private:
    static constexpr int min(int a, int b) { return a < b ? a : b; }
    static constexpr int max(int a, int b) { return a < b ? b : a; }
};
