// SPDX-License-Identifier: MIT
// The window's background colour for the system's theme.
#include "view/background.h"

#include <algorithm>
#include <cmath>

namespace {

// What WCAG 2.2 asks of text against its background.
constexpr double readableText = 4.5;

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(Colour colour)
{
    const auto linear = [](int component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(redOf(colour)) + 0.7152 * linear(greenOf(colour)) + 0.0722 * linear(blueOf(colour));
}

} // namespace

double contrastRatio(Colour a, Colour b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour windowBackground(Colour systemDialog, Colour labelText)
{
    return contrastRatio(systemDialog, labelText) >= readableText ? systemDialog : fallbackBackground;
}
