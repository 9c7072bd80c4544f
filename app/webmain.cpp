// SPDX-License-Identifier: MIT
// Start of the browser front end: the page's client area wired to the exercise. The
// page's events come in through the exported functions below; between them the
// browser's own event loop runs.
#include "app/clickdispatch.h"
#include "exercise/fendrel.h"
#include "runtime/errorreport.h"
#include "runtime/randomsequence.h"
#include "view/decimalseparator.h"
#include "view/errordialog.h"
#include "view/web/fendrelwindow.h"
#include "view/web/page.h"

#include <emscripten/emscripten.h>

namespace {

class WebForm {
public:
    explicit WebForm(RandomSource& random)
        : m_window([this](Control control) { dispatchClick(m_fendrel, control); },
                   [this](int keyCode, int shift) { m_fendrel.Form_KeyDown(keyCode, shift); }),
          m_fendrel(m_window.surface(), m_window.anzeigeLbl(), random, userDecimalSeparator)
    {
        m_fendrel.Form_Load();
    }
    FendrelWindow& window() { return m_window; }

private:
    FendrelWindow m_window;
    Fendrel m_fendrel;
};

WebForm* form = nullptr;

MouseButton buttonOf(int button)
{
    return button == 0 ? MouseButton::Primary : MouseButton::Other;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void fendrel_viewport(double devicePixelRatio, int width, int height)
{
    form->window().viewport(devicePixelRatio, width, height);
}

EMSCRIPTEN_KEEPALIVE void fendrel_repaint()
{
    form->window().repaint();
}

EMSCRIPTEN_KEEPALIVE void fendrel_mouse_down(int button, int x, int y, bool secondOfDoubleClick)
{
    form->window().mouseDown(buttonOf(button), x, y, secondOfDoubleClick);
}

EMSCRIPTEN_KEEPALIVE void fendrel_mouse_up(int button, int x, int y)
{
    form->window().mouseUp(buttonOf(button), x, y);
}

EMSCRIPTEN_KEEPALIVE void fendrel_key_down(int keyCode, int shift)
{
    form->window().keyDown(keyCode, shift);
}

EMSCRIPTEN_KEEPALIVE void fendrel_label_activated()
{
    form->window().labelActivated();
}

} // extern "C"

int main()
{
    setErrorPresenter(showErrorDialog);
    static RandomSequence random;
    static WebForm webForm(random);
    form = &webForm;
    fendrel_attach();
    return 0;
}
