// SPDX-License-Identifier: MIT
// Checked 16-bit Integer: conversion from floating point and the overflow path.
#include "runtime/integer.h"

#include "runtime/errorreport.h"

#include <cmath>

Integer Integer::fromDouble(double value)
{
    if (std::isnan(value))
        overflow();
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0))
        rounded += 1.0;
    if (rounded < min || rounded > max)
        overflow();
    return Integer(static_cast<int>(rounded));
}

void Integer::overflow()
{
    raiseOverflow();
}
