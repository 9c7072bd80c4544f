// SPDX-License-Identifier: MIT
#pragma once
// In-memory stand-ins for the window surface, the label and the random source.
// All three write to one shared call log, so tests can check the order of
// operations across them.

#include "runtime/randomsource.h"
#include "view/displaylabel.h"
#include "view/drawinglayers.h"

#include <string>
#include <vector>

using CallLog = std::vector<std::string>;

// The real layers, with every call logged.
class FakeSurface final : public WindowSurface {
public:
    explicit FakeSurface(CallLog& log) : m_log(log) {}

    void AutoRedraw(bool persistent) override;
    RasterMode DrawMode() const override;
    void DrawMode(RasterMode mode) override;
    void Cls() override;
    void Line(Integer x1, Integer y1, Integer x2, Integer y2, Colour colour) override;

    const std::vector<Box>& persistent() const { return m_layers.persistent(); }
    const std::vector<Box>& transient() const { return m_layers.transient(); }

private:
    CallLog& m_log;
    DrawingLayers m_layers{[](const Area&) {}};
};

class FakeLabel final : public DisplayLabel {
public:
    explicit FakeLabel(CallLog& log) : m_log(log) {}

    std::string Caption() const override { return caption; }
    void Caption(const std::string& text) override;
    void Visible(bool shown) override;
    void ForeColor(Colour colour) override;

    std::string caption = "Label1";
    bool visible = true;
    Colour foreColor = 0;

private:
    CallLog& m_log;
};

// Hands out the given values in turn, over and over.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom(CallLog& log, std::vector<float> values) : m_log(log), m_values(std::move(values)) {}

    void randomize() override;
    float next() override;

private:
    CallLog& m_log;
    std::vector<float> m_values;
    std::size_t m_next = 0;
};
