// SPDX-License-Identifier: MIT
#pragma once
// A small reference model of the exercise, written from its rules and sharing no code
// with the program, and a source of long random sequences of user input. The model
// tests run the program and the model side by side and compare them after every event.
//
// FENDREL_MODEL_SEED reruns one sequence; FENDREL_MODEL_EVENTS sets its length.

#include "exercise/fendrel.h"
#include "runtime/randomsource.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

struct Rect {
    int x1, y1, x2, y2;
    bool operator==(const Rect&) const = default;
};

// Uniform values, now and then the exact edges; every value handed out is also
// queued for the model, so both see the same sequence.
class RandomTape final : public RandomSource {
public:
    explicit RandomTape(std::uint32_t seed) : m_generator(seed) {}
    void randomize() override { ++randomizeCalls; }
    float next() override
    {
        const std::uint32_t pick = m_generator() % 64;
        const float value = pick == 0 ? 0.0f
            : pick == 1               ? 16777215.0f / 16777216.0f
            : pick == 2               ? 0.125f
                                      : static_cast<float>(m_generator() >> 8) / 16777216.0f;
        handedOut.push_back(value);
        return value;
    }
    std::deque<float> handedOut;
    int randomizeCalls = 0;

private:
    std::mt19937 m_generator;
};

// The exercise as its rules state it. Its report uses the German decimal comma.
class Model {
public:
    explicit Model(std::deque<float>& randoms) : m_randoms(randoms) {}

    void load() { caption = "Zum Starten hier klicken []"; }
    void click()
    {
        if (running)
            return;
        running = true;
        labelVisible = false;
        attempt = 1;
        ++runsStarted;
        postX = place(300);
        postY = place(150);
    }
    void key(int code)
    {
        if (!running)
            return;
        if (code == 37 && postX > -32408)
            --postX;
        else if (code == 39 && postX < 32567)
            ++postX;
        else if (code == 38 && postY > -32568)
            --postY;
        else if (code == 40 && postY < 32267)
            ++postY;
        else if (code == 13) {
            devX[attempt] = postX - 300 - 3 * attempt;
            devY[attempt] = postY - 200;
            ++attempt;
            postX = place(300);
            postY = place(150);
            if (attempt > 20)
                finish();
        }
    }
    std::vector<Rect> persistent() const
    {
        if (!running)
            return {};
        return {{50, 200, 300, 400}, {500, 200, 750, 400}, {50, 400, 750, 600}};
    }
    std::vector<Rect> transient() const
    {
        if (!running)
            return {};
        return {{postX, postY, postX + 200 - 6 * attempt, postY + 500}};
    }

    bool running = false;
    bool labelVisible = true;
    int postX = 0, postY = 0, attempt = 0, runsStarted = 0;
    std::array<int, 21> devX{}, devY{};
    std::string caption = "Label1";

private:
    int place(int lowest)
    {
        if (m_randoms.empty())
            throw std::runtime_error("the program drew fewer random values than the model");
        const double value = static_cast<double>(m_randoms.front()) * 100 + lowest;
        m_randoms.pop_front();
        return static_cast<int>(std::nearbyint(value)); // ties to even
    }
    static std::string mean(long sum) // sum / 20, no trailing zeros
    {
        std::string text = std::to_string(sum / 20);
        const long hundredths = sum % 20 * 5;
        if (hundredths != 0) {
            text += ',' + std::to_string(hundredths / 10);
            if (hundredths % 10 != 0)
                text += std::to_string(hundredths % 10);
        }
        return text;
    }
    void finish()
    {
        running = false;
        long sumX = 0, sumY = 0;
        std::ostringstream out;
        out << "Zum Starten hier klicken []\r\n\r\n";
        for (int i = 1; i <= 20; ++i) {
            out << i << ". Versuch: X=" << devX[i] << " Y=" << devY[i] << "\r\n";
            sumX += std::labs(devX[i]);
            sumY += std::labs(devY[i]);
        }
        out << "Schnitt X=" << mean(sumX) << " Schnitt Y=" << mean(sumY);
        caption = out.str();
        labelVisible = true;
    }

    std::deque<float>& m_randoms;
};

// One user action. A key is the code the program should see, and how it was typed:
// on the keypad, or with Shift held.
struct Event {
    enum Kind { ClickLabel, ClickWindow, Key, Repaint, Resize } kind = Key;
    int code = 0;
    bool keypad = false;
    bool shift = false;
    int width = 0, height = 0; // of a resize
};

class EventSource {
public:
    explicit EventSource(std::uint32_t seed) : m_generator(seed) {}

    Event next()
    {
        if (m_repeatsLeft > 0) {
            --m_repeatsLeft;
            return m_repeated;
        }
        if (uniform(0, 99999) < 10) { // held down long enough to reach a limit
            m_repeated = arrow();
            m_repeatsLeft = uniform(30000, 40000);
            return m_repeated;
        }
        const int pick = uniform(0, 99);
        if (pick < 3)
            return {Event::ClickLabel};
        if (pick < 5)
            return {Event::ClickWindow};
        if (pick < 7)
            return {Event::Repaint};
        if (pick < 8)
            return {Event::Resize, 0, false, false, uniform(200, 1100), uniform(150, 900)};
        if (pick < 20)
            return key(13);
        if (pick < 23)
            return key(13, true);
        if (pick < 28) { // a key without an action: A, Space, Shift, F5, keypad 8, Tab
            static const Event others[] = {key(65), key(32), key(16, false, true), key(0), key(104, true), key(9)};
            return others[uniform(0, 5)];
        }
        if (pick < 30) { // held down for a while
            m_repeated = arrow();
            m_repeatsLeft = uniform(1, 300);
        }
        return arrow();
    }

private:
    static Event key(int code, bool keypad = false, bool shift = false) { return {Event::Key, code, keypad, shift}; }
    Event arrow()
    {
        static const Event arrows[] = {key(37), key(38), key(39), key(40), key(37, true), key(40, false, true)};
        return arrows[uniform(0, 5)];
    }
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_generator); }

    std::mt19937 m_generator;
    Event m_repeated{Event::Key};
    int m_repeatsLeft = 0;
};

inline std::uint32_t chosenSeed()
{
    const char* seed = std::getenv("FENDREL_MODEL_SEED");
    return seed ? static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10)) : std::random_device{}();
}

inline int chosenEvents(int fallback)
{
    const char* events = std::getenv("FENDREL_MODEL_EVENTS");
    return events ? std::atoi(events) : fallback;
}

// The first difference between program and model, or an empty string.
inline std::string difference(const Fendrel& fendrel, const DisplayLabel& label, bool labelVisible, const Model& model)
{
    std::ostringstream out;
    if (fendrel.Running != model.running)
        out << "Running " << fendrel.Running << " vs " << model.running;
    else if (labelVisible != model.labelVisible)
        out << "label visible " << labelVisible << " vs " << model.labelVisible;
    else if (label.Caption() != model.caption)
        out << "caption\n" << label.Caption() << "\nvs\n" << model.caption;
    else if (model.runsStarted > 0 && (fendrel.PostX.value() != model.postX || fendrel.PostY.value() != model.postY))
        out << "post " << fendrel.PostX.value() << "," << fendrel.PostY.value() << " vs " << model.postX << ","
            << model.postY;
    else if (model.runsStarted > 0 && fendrel.Attempt.value() != model.attempt)
        out << "Attempt " << fendrel.Attempt.value() << " vs " << model.attempt;
    else if (fendrel.AttemptCount.value() != 20)
        out << "AttemptCount " << fendrel.AttemptCount.value();
    else {
        for (int i = 1; i <= 20; ++i)
            if (fendrel.DevX[i].value() != model.devX[i] || fendrel.DevY[i].value() != model.devY[i])
                out << "shot " << i << ": " << fendrel.DevX[i].value() << "," << fendrel.DevY[i].value() << " vs "
                    << model.devX[i] << "," << model.devY[i];
    }
    return out.str();
}
