// SPDX-License-Identifier: MIT
// In-memory stand-ins: each call is logged as one short line.
#include "tests/fakes.h"

#include <string>

void FakeSurface::AutoRedraw(bool persistent)
{
    m_log.push_back("AutoRedraw " + std::to_string(persistent));
    m_layers.AutoRedraw(persistent);
}

RasterMode FakeSurface::DrawMode() const
{
    m_log.push_back("DrawMode?");
    return m_layers.DrawMode();
}

void FakeSurface::DrawMode(RasterMode mode)
{
    m_log.push_back("DrawMode " + std::to_string(static_cast<int>(mode)));
    m_layers.DrawMode(mode);
}

void FakeSurface::Cls()
{
    m_log.push_back("Cls");
    m_layers.Cls();
}

void FakeSurface::Line(Integer x1, Integer y1, Integer x2, Integer y2, Colour colour)
{
    m_log.push_back("Line " + std::to_string(x1.value()) + " " + std::to_string(y1.value()) + " "
                    + std::to_string(x2.value()) + " " + std::to_string(y2.value()) + " "
                    + std::to_string(colour));
    m_layers.Line(x1, y1, x2, y2, colour);
}

void FakeLabel::Caption(const std::string& text)
{
    m_log.push_back("Caption");
    caption = text;
}

void FakeLabel::Visible(bool shown)
{
    m_log.push_back("Visible " + std::to_string(shown));
    visible = shown;
}

void FakeLabel::ForeColor(Colour colour)
{
    m_log.push_back("ForeColor " + std::to_string(colour));
    foreColor = colour;
}

void ScriptedRandom::randomize()
{
    m_log.push_back("Randomize");
}

float ScriptedRandom::next()
{
    m_log.push_back("Rnd");
    const float value = m_values[m_next];
    m_next = (m_next + 1) % m_values.size();
    return value;
}
