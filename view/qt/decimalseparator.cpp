// SPDX-License-Identifier: MIT
// On Linux the numeric format is the first of LC_ALL, LC_NUMERIC and LANG that is
// set. QLocale knows every locale's separator, even where the C library has none of
// them generated.
#include "view/decimalseparator.h"

#include <QLocale>
#include <QString>

#include <cstdlib>

std::string userDecimalSeparator()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* setting = std::getenv(variable);
        if (setting && *setting)
            return QLocale(QString::fromLocal8Bit(setting)).decimalPoint().toStdString();
    }
    return ".";
}
