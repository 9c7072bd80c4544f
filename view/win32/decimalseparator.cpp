// SPDX-License-Identifier: MIT
// On Windows the numeric format is the user's regional setting.
#include "view/decimalseparator.h"

#include "view/win32/widetext.h"

std::string userDecimalSeparator()
{
    wchar_t separator[8] = {}; // the setting holds at most three characters
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return length > 1 ? narrowed(separator) : ".";
}
