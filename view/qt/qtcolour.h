// SPDX-License-Identifier: MIT
#pragma once
// The program's colour values as Qt colours.

#include "runtime/colour.h"

#include <QColor>

inline QColor toQColor(Colour colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}
