// SPDX-License-Identifier: MIT
#pragma once
// A 24-bit linear congruential sequence of single-precision values in [0, 1),
// re-seeded from a clock that tests can replace with a fixed one.

#include "runtime/randomsource.h"

#include <cstdint>
#include <functional>

class RandomSequence final : public RandomSource {
public:
    using Clock = std::function<std::uint64_t()>;

    // Nanoseconds of the system clock.
    static std::uint64_t systemClock();

    explicit RandomSequence(Clock clock = systemClock);

    void randomize() override;
    float next() override;

private:
    Clock m_clock;
    std::uint32_t m_state = 0x50000; // any 24-bit value; randomize() replaces it
};
