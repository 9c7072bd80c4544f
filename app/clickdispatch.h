// SPDX-License-Identifier: MIT
#pragma once
// A click, as either front end's window reports it, to the exercise's handler for it.

#include "exercise/fendrel.h"
#include "view/clickrule.h"

inline void dispatchClick(Fendrel& fendrel, Control control)
{
    if (control == Control::Label)
        fendrel.AnzeigeLbl_Click();
    else if (control == Control::Window)
        fendrel.Form_Click();
}
