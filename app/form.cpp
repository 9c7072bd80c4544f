// Wiring of window events to the exercise.
#include "app/form.h"

Form::Form(RandomSource& random) : m_fendrel(m_window, m_window.anzeigeLbl(), random)
{
    QObject::connect(&m_window, &FendrelWindow::clicked, &m_window, [this] { m_fendrel.Form_Click(); });
    QObject::connect(&m_window.anzeigeLbl(), &AnzeigeLabel::clicked, &m_window,
                     [this] { m_fendrel.AnzeigeLbl_Click(); });
    QObject::connect(&m_window, &FendrelWindow::keyDown, &m_window,
                     [this](int keyCode, int shift) { m_fendrel.Form_KeyDown(keyCode, shift); });
    m_fendrel.Form_Load();
}
