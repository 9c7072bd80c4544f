#pragma once
// Readable failure messages for the types tests compare.

#include "runtime/integer.h"

#include <QTest>

#include <string>
#include <vector>

namespace QTest {
template<> inline char* toString(const std::string& text)
{
    return QTest::toString(QString::fromStdString(text));
}
template<> inline char* toString(const std::vector<std::string>& lines)
{
    QStringList all;
    for (const std::string& line : lines)
        all << QString::fromStdString(line);
    return QTest::toString(all.join(QStringLiteral(" | ")));
}
template<> inline char* toString(const Integer& value)
{
    return QTest::toString(value.value());
}
} // namespace QTest
