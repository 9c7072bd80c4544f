// SPDX-License-Identifier: MIT
// Start of the Win32 front end: the main window wired to the exercise, and the
// message loop.
#include "app/clickdispatch.h"
#include "exercise/fendrel.h"
#include "runtime/errorreport.h"
#include "runtime/randomsequence.h"
#include "view/decimalseparator.h"
#include "view/errordialog.h"
#include "view/win32/fendrelwindow.h"

#include <windows.h>

namespace {

class Win32Form {
public:
    Win32Form(HINSTANCE instance, RandomSource& random)
        : m_window(
              instance, [this](Control control) { dispatchClick(m_fendrel, control); },
              [this](int keyCode, int shift) { m_fendrel.Form_KeyDown(keyCode, shift); }),
          m_fendrel(m_window.surface(), m_window.anzeigeLbl(), random, userDecimalSeparator)
    {
        m_fendrel.Form_Load();
    }
    void show(int showCommand) { m_window.show(showCommand); }

private:
    FendrelWindow m_window;
    Fendrel m_fendrel;
};

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    setErrorPresenter(showErrorDialog);
    RandomSequence random;
    Win32Form form(instance, random);
    form.show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
