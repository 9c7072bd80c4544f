// SPDX-License-Identifier: MIT
// The decimal separator of the browser's language (navigator.language).
#include "view/decimalseparator.h"

#include "view/web/page.h"

#include <cstdlib>

std::string userDecimalSeparator()
{
    char* separator = fendrel_decimal_separator();
    std::string text = separator;
    std::free(separator);
    return text;
}
