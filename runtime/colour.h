// SPDX-License-Identifier: MIT
#pragma once
// Colours as the window and the label take them: red + 256 x green + 65536 x blue.

#include <cstdint>

using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue)
{
    return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) + 65536u * static_cast<Colour>(blue);
}

constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFFu); }
