// SPDX-License-Identifier: MIT
#pragma once
// The program's 16-bit signed Integer: every arithmetic step is checked, and a result
// outside -32768..32767 raises the overflow error instead of wrapping around.

#include <compare>
#include <cstdint>

class Integer {
public:
    static constexpr int min = -32768;
    static constexpr int max = 32767;

    constexpr Integer() = default;
    // Checked: a value outside the range raises the overflow error.
    constexpr Integer(int value) : m_value(checked(value)) {}

    // Nearest Integer, a tie going to the even one; NaN or out of range raises overflow.
    static Integer fromDouble(double value);

    constexpr int value() const { return m_value; }

    friend constexpr Integer operator+(Integer a, Integer b) { return Integer(a.m_value + b.m_value); }
    friend constexpr Integer operator-(Integer a, Integer b) { return Integer(a.m_value - b.m_value); }
    friend constexpr Integer operator*(Integer a, Integer b) { return Integer(a.m_value * b.m_value); }
    friend constexpr bool operator==(Integer a, Integer b) = default;
    friend constexpr auto operator<=>(Integer a, Integer b) = default;

private:
    static constexpr std::int16_t checked(int value)
    {
        if (value < min || value > max)
            overflow();
        return static_cast<std::int16_t>(value);
    }
    [[noreturn]] static void overflow();

    std::int16_t m_value = 0;
};
