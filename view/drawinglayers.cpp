// SPDX-License-Identifier: MIT
// The two drawing layers and the areas their changes make dirty.
#include "view/drawinglayers.h"

#include <algorithm>
#include <utility>

DrawingLayers::DrawingLayers(MarkDirty markDirty) : m_markDirty(std::move(markDirty)) {}

void DrawingLayers::AutoRedraw(bool persistent)
{
    m_autoRedraw = persistent;
}

RasterMode DrawingLayers::DrawMode() const
{
    return m_drawMode;
}

void DrawingLayers::DrawMode(RasterMode mode)
{
    m_drawMode = mode;
}

void DrawingLayers::Cls()
{
    // Removed before their areas are named dirty, so that a front end may repaint
    // those at once.
    markDirty(std::exchange(m_transient, {}));
    if (m_autoRedraw)
        markDirty(std::exchange(m_persistent, {}));
}

void DrawingLayers::Line(Integer x1, Integer y1, Integer x2, Integer y2, Colour colour)
{
    const Box box{{std::min(x1.value(), x2.value()), std::min(y1.value(), y2.value()),
                   std::max(x1.value(), x2.value()), std::max(y1.value(), y2.value())},
                  colour};
    (m_autoRedraw ? m_persistent : m_transient).push_back(box);
    m_markDirty(box.area);
}

void DrawingLayers::markDirty(const std::vector<Box>& boxes) const
{
    for (const Box& box : boxes)
        m_markDirty(box.area);
}
