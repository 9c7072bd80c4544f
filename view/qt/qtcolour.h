// SPDX-License-Identifier: MIT
#pragma once
// The program's colour values as Qt colours, and back.

#include "runtime/colour.h"

#include <QColor>

inline QColor toQColor(Colour colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

inline Colour fromQColor(const QColor& colour)
{
    return rgb(colour.red(), colour.green(), colour.blue());
}
