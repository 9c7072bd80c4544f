// SPDX-License-Identifier: MIT
#pragma once
// Where the exercise takes its random places from.

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a new, unpredictable sequence (seeded from the clock).
    virtual void randomize() = 0;
    // The next value, uniform in [0, 1).
    virtual float next() = 0;
};
