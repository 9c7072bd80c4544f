// SPDX-License-Identifier: MIT
#pragma once
// Readable failure messages for the types tests compare.

#include "runtime/integer.h"

#include <QTest>

#include <string>
#include <vector>

namespace QTest {
template<> inline char* toString(const std::string& text)
{
    return toString(text.c_str());
}
template<> inline char* toString(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += (all.empty() ? "" : " | ") + line;
    return toString(all.c_str());
}
template<> inline char* toString(const Integer& value)
{
    return toString(std::to_string(value.value()).c_str());
}
} // namespace QTest
