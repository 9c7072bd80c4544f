// SPDX-License-Identifier: MIT
// Run start, aiming keys, shot recording and the report.
#include "exercise/fendrel.h"

#include "runtime/colour.h"
#include "runtime/numbertext.h"
#include "runtime/virtualkeys.h"
#include "view/sightpicture.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {
const std::string crlf = "\r\n";
}

Fendrel::Fendrel(WindowSurface& form, DisplayLabel& anzeigeLbl, RandomSource& random, DecimalSeparator decimalSeparator)
    : m_form(form), m_anzeigeLbl(anzeigeLbl), m_random(random), m_decimalSeparator(std::move(decimalSeparator))
{
}

void Fendrel::Form_Load()
{
    m_anzeigeLbl.Caption(prompt);
    m_anzeigeLbl.Visible(true);
    m_anzeigeLbl.ForeColor(rgb(0, 51, 102));
    AttemptCount = 20;
    DevX.assign(21, Integer());
    DevY.assign(21, Integer());
}

void Fendrel::Form_Click()
{
    if (Running)
        return;
    Running = true;
    m_anzeigeLbl.Visible(false);
    Attempt = 1;
    m_random.randomize();
    PostX = randomPlace(300);
    PostY = randomPlace(150);
    SightPicture::drawStart(m_form, PostX, PostY, Attempt);
}

void Fendrel::AnzeigeLbl_Click()
{
    Form_Click();
}

void Fendrel::Form_KeyDown(Integer KeyCode, Integer /*Shift*/)
{
    if (!Running)
        return;
    // A move that would leave the safe range is ignored, so the run can always be
    // finished; the post is still redrawn, as for any key without an action.
    if (KeyCode == VirtualKey::Left) {
        if (PostX > minPostX)
            PostX = PostX - 1;
    } else if (KeyCode == VirtualKey::Right) {
        if (PostX < maxPostX)
            PostX = PostX + 1;
    } else if (KeyCode == VirtualKey::Up) {
        if (PostY > minPostY)
            PostY = PostY - 1;
    } else if (KeyCode == VirtualKey::Down) {
        if (PostY < maxPostY)
            PostY = PostY + 1;
    } else if (KeyCode == VirtualKey::Return) {
        takeShot();
        if (Attempt > AttemptCount) {
            ShowResults();
            return;
        }
    }
    SightPicture::drawRedraw(m_form, PostX, PostY, Attempt);
}

void Fendrel::takeShot()
{
    const std::size_t entry = static_cast<std::size_t>(Attempt.value());
    // Distance from the notch centre (x 400) to the post's centre, PostX + width / 2.
    const Integer fromNotchEdge = PostX - 300;
    const Integer halfNarrowing = Integer(3) * Attempt;
    DevX[entry] = fromNotchEdge - halfNarrowing;
    DevY[entry] = PostY - 200;
    Attempt = Attempt + 1;
    PostX = randomPlace(300);
    PostY = randomPlace(150);
}

Integer Fendrel::randomPlace(int lowest)
{
    // Formed in double precision; only the conversion to Integer rounds.
    return Integer::fromDouble(static_cast<double>(m_random.next()) * 100.0 + lowest);
}

void Fendrel::ShowResults()
{
    Running = false;
    SightPicture::drawClear(m_form);
    m_anzeigeLbl.Caption(prompt + crlf + crlf);

    // The sums of absolute deviations are wider than an Integer: a post far off, or
    // one at the lowest limit (DevY -32768), must still give an exact mean.
    std::int32_t sumX = 0;
    std::int32_t sumY = 0;
    const int count = AttemptCount.value();
    for (int i = 1; i <= count; ++i) {
        const Integer devX = DevX[static_cast<std::size_t>(i)];
        const Integer devY = DevY[static_cast<std::size_t>(i)];
        sumX += std::abs(devX.value());
        sumY += std::abs(devY.value());
        appendToCaption(integerText(i) + ". Versuch: X=" + integerText(devX));
        appendToCaption(" Y=" + integerText(devY) + crlf);
    }
    const std::string separator = m_decimalSeparator();
    appendToCaption("Schnitt X=" + doubleText(static_cast<double>(sumX) / count, separator));
    appendToCaption(" Schnitt Y=" + doubleText(static_cast<double>(sumY) / count, separator));
    m_anzeigeLbl.Visible(true);
}

void Fendrel::appendToCaption(const std::string& text)
{
    // The label's text is the report's accumulator.
    m_anzeigeLbl.Caption(m_anzeigeLbl.Caption() + text);
}
