// SPDX-License-Identifier: MIT
#pragma once
// The window's two drawing layers, kept as the filled boxes drawn on each, so that a
// front end can repaint any area of its client area from them at any time.
//
// Drawing made while AutoRedraw is on goes into the persistent layer; drawing made
// while it is off lies on top of it until the next Cls. Every change names the area
// it makes dirty, in the picture's own pixels, once the layers show the change; the
// front end repaints those areas.

#include "view/area.h"
#include "view/windowsurface.h"

#include <functional>
#include <vector>

struct Box {
    Area area;
    Colour colour = 0;
    bool operator==(const Box&) const = default;
};

class DrawingLayers final : public WindowSurface {
public:
    using MarkDirty = std::function<void(const Area&)>;
    explicit DrawingLayers(MarkDirty markDirty);

    void AutoRedraw(bool persistent) override;
    RasterMode DrawMode() const override;
    void DrawMode(RasterMode mode) override;
    void Cls() override;
    // The box leaves out the column of its right edge and the row of its bottom edge,
    // so its width and height are the differences of the corners.
    void Line(Integer x1, Integer y1, Integer x2, Integer y2, Colour colour) override;

    // Paint the persistent boxes first, then the transient ones, each in order.
    const std::vector<Box>& persistent() const { return m_persistent; }
    const std::vector<Box>& transient() const { return m_transient; }

private:
    void markDirty(const std::vector<Box>& boxes) const;

    MarkDirty m_markDirty;
    std::vector<Box> m_persistent;
    std::vector<Box> m_transient;
    bool m_autoRedraw = false;
    RasterMode m_drawMode = RasterMode::CopyPen;
};
