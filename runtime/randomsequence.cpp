// SPDX-License-Identifier: MIT
// The random sequence behind the post's places.
#include "runtime/randomsequence.h"

#include <chrono>
#include <utility>

namespace {
constexpr std::uint32_t stateMask = 0xFFFFFF;
}

std::uint64_t RandomSequence::systemClock()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

RandomSequence::RandomSequence(Clock clock) : m_clock(std::move(clock)) {}

void RandomSequence::randomize()
{
    // Fold all bits of the clock into the 24-bit state, so that runs started within
    // the same second still differ.
    std::uint64_t t = m_clock();
    t ^= t >> 24;
    t ^= t >> 48;
    m_state = static_cast<std::uint32_t>(t) & stateMask;
}

float RandomSequence::next()
{
    // Multiplier = 1 (mod 4) and an odd increment give the full period of 2^24;
    // every state divided by 2^24 is exact in single precision and below 1.
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & stateMask;
    return static_cast<float>(m_state) / 16777216.0f;
}
