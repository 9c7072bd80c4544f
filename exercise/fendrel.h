// SPDX-License-Identifier: MIT
#pragma once
// The main window's own logic: the state of a run, its start, the aiming keys,
// the recording of shots and the report. It sees the window, the label and the
// random source only through their interfaces.

#include "runtime/integer.h"
#include "runtime/randomsource.h"
#include "view/displaylabel.h"
#include "view/windowsurface.h"

#include <functional>
#include <string>
#include <vector>

class Fendrel {
public:
    static constexpr const char* prompt = "Zum Starten hier klicken []";

    // The post's widest range in which a shot and a redraw stay inside the Integer
    // range for any attempt: a redraw adds 200 to PostX and 500 to PostY, a shot
    // subtracts 300 + 3 x 20 from PostX and 200 from PostY.
    static constexpr int minPostX = Integer::min + 300 + 3 * 20;
    static constexpr int maxPostX = Integer::max - 200;
    static constexpr int minPostY = Integer::min + 200;
    static constexpr int maxPostY = Integer::max - 500;

    // The user's decimal separator, as the front end reads it from the system; asked
    // for when a report is made, so that a front end may learn it late.
    using DecimalSeparator = std::function<std::string()>;

    Fendrel(WindowSurface& form, DisplayLabel& anzeigeLbl, RandomSource& random, DecimalSeparator decimalSeparator);

    void Form_Load();
    void Form_Click();
    void AnzeigeLbl_Click();
    // KeyCode is a Windows virtual-key code; Shift (Shift, Ctrl, Alt) is not used.
    void Form_KeyDown(Integer KeyCode, Integer Shift);

    Integer PostX;   // left edge of the front-sight post, pixels
    Integer PostY;   // top edge of the post, pixels
    Integer Attempt; // attempt within the run, counted from 1
    // Indexed by attempt (1..20; 0 unused). Positive DevX: the post stood right of
    // the notch centre; positive DevY: its top lay below the rear sight's top edge.
    std::vector<Integer> DevX;
    std::vector<Integer> DevY;
    bool Running = false;
    Integer AttemptCount;

private:
    void takeShot();
    void ShowResults();
    Integer randomPlace(int lowest);
    void appendToCaption(const std::string& text);

    WindowSurface& m_form;
    DisplayLabel& m_anzeigeLbl;
    RandomSource& m_random;
    const DecimalSeparator m_decimalSeparator;
};
