#pragma once
// The assembled main window: the Qt window and label wired to the exercise's handlers.

#include "exercise/fendrel.h"
#include "runtime/randomsource.h"
#include "view/fendrelwindow.h"

class Form {
public:
    // Loads the exercise (the start prompt) but does not show the window yet.
    explicit Form(RandomSource& random);

    FendrelWindow& window() { return m_window; }
    Fendrel& fendrel() { return m_fendrel; }

private:
    FendrelWindow m_window;
    Fendrel m_fendrel;
};
