// SPDX-License-Identifier: MIT
#pragma once
// The assembled Qt main window: the window and its label wired to the exercise.

#include "exercise/fendrel.h"
#include "runtime/randomsource.h"
#include "view/qt/fendrelwindow.h"

class QtForm {
public:
    // Loads the exercise (the start prompt) but does not show the window yet.
    QtForm(RandomSource& random, Fendrel::DecimalSeparator decimalSeparator);

    FendrelWindow& window() { return m_window; }
    Fendrel& fendrel() { return m_fendrel; }

private:
    FendrelWindow m_window;
    Fendrel m_fendrel;
};
