// SPDX-License-Identifier: MIT
#pragma once
// What the exercise draws on: the window's client area with its two layers.
//
// Drawing made while AutoRedraw is on goes into the persistent image, which the
// window keeps; drawing made while it is off lies on top of that image until the
// next Cls. The screen always shows both.

#include "runtime/colour.h"
#include "runtime/integer.h"

// Raster modes for DrawMode; the picture only ever needs copy pen.
enum class RasterMode { CopyPen = 13 };

class WindowSurface {
public:
    virtual ~WindowSurface() = default;

    // Selects the layer that later drawing and Cls act on.
    virtual void AutoRedraw(bool persistent) = 0;
    virtual RasterMode DrawMode() const = 0;
    virtual void DrawMode(RasterMode mode) = 0;
    // AutoRedraw off: removes the transient drawing. On: erases both layers to the background.
    virtual void Cls() = 0;
    // A filled, axis-parallel box between two opposite corners, clipped to the client area.
    virtual void Line(Integer x1, Integer y1, Integer x2, Integer y2, Colour colour) = 0;
};
