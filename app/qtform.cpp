// SPDX-License-Identifier: MIT
// Wiring of the Qt window's events to the exercise.
#include "app/qtform.h"

#include "app/clickdispatch.h"

#include <utility>

QtForm::QtForm(RandomSource& random, Fendrel::DecimalSeparator decimalSeparator)
    : m_fendrel(m_window.surface(), m_window.anzeigeLbl(), random, std::move(decimalSeparator))
{
    QObject::connect(&m_window, &FendrelWindow::clicked, &m_window,
                     [this](Control control) { dispatchClick(m_fendrel, control); });
    QObject::connect(&m_window, &FendrelWindow::keyDown, &m_window,
                     [this](int keyCode, int shift) { m_fendrel.Form_KeyDown(keyCode, shift); });
    m_fendrel.Form_Load();
}
