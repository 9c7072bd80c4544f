// SPDX-License-Identifier: MIT
// The Win32 main window: creation, painting the layers, mouse and keys, dpi changes.
#include "view/win32/fendrelwindow.h"

#include "runtime/virtualkeys.h"
#include "view/background.h"
#include "view/keyrepeat.h"
#include "view/win32/widetext.h"
#include "view/windowlayout.h"

#include <utility>

namespace {

constexpr wchar_t className[] = L"Fendrel";
constexpr int iconResource = 1;

// The dpi of the screen the system scales for; a per-monitor aware program gets it
// from a screen device context.
UINT systemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

// GetDpiForWindow exists from Windows 10 on; before it, every window has the system's.
UINT dpiOf(HWND hwnd)
{
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return getDpiForWindow ? getDpiForWindow(hwnd) : systemDpi();
}

int shiftState()
{
    return (GetKeyState(VK_SHIFT) < 0 ? ShiftMask::Shift : 0) | (GetKeyState(VK_CONTROL) < 0 ? ShiftMask::Ctrl : 0)
        | (GetKeyState(VK_MENU) < 0 ? ShiftMask::Alt : 0);
}

// The whole display scale for this dpi, or less where the window, with a frame whose
// edges lie `frame` away from the client area, would not fit the monitor's work area.
int fittingScale(UINT dpi, const RECT& frame, HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT& work = info.rcWork;
    return WindowLayout::fittingScale(dpi / 96.0, frame.right - frame.left,
                                      frame.bottom - frame.top, work.right - work.left, work.bottom - work.top);
}

void registerClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS; // so that a double click's second press is told apart
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconResource));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

} // namespace

FendrelWindow::FendrelWindow(HINSTANCE instance, ClickHandler onClick, KeyHandler onKeyDown)
    : m_layers([this](const Area& dirty) {
          const RECT area = onScreen(dirty);
          InvalidateRect(m_hwnd, &area, FALSE);
      }),
      m_onClick(std::move(onClick)), m_onKeyDown(std::move(onKeyDown))
{
    registerClass(instance, procedure);
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    // Made at its size for the system's dpi on the primary monitor, where the system
    // places a new window; a resize right after creation can be undone by a window
    // system that hears of it late (Wine's X11 driver, for one).
    RECT frame{};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int scale = fittingScale(systemDpi(), frame, MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
    CreateWindowExW(0, className, widened(WindowLayout::title).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                    WindowLayout::clientWidth * scale + frame.right - frame.left,
                    WindowLayout::clientHeight * scale + frame.bottom - frame.top, nullptr, nullptr, instance, this);
    m_anzeigeLbl = std::make_unique<AnzeigeLabel>(m_hwnd, instance);
    rescale(dpiOf(m_hwnd));
}

FendrelWindow::~FendrelWindow()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

void FendrelWindow::show(int showCommand)
{
    ShowWindow(m_hwnd, showCommand);
    UpdateWindow(m_hwnd);
}

LRESULT CALLBACK FendrelWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* window = static_cast<FendrelWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<FendrelWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return window ? window->handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT FendrelWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_CTLCOLORSTATIC:
        if (m_anzeigeLbl && m_anzeigeLbl->isControl(reinterpret_cast<HWND>(lParam))) {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, m_anzeigeLbl->foreColor());
            SetBkColor(dc, background());
            SetDCBrushColor(dc, background());
            return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        }
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: // a new theme may come with a new dialog colour
        RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        break;
    case WM_LBUTTONDOWN:
        mouseDown(MouseButton::Primary, lParam);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        mouseDown(MouseButton::Other, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        SetCapture(m_hwnd);
        m_click.doubleClick(MouseButton::Primary);
        return 0;
    case WM_LBUTTONUP:
        mouseUp(MouseButton::Primary, wParam, lParam);
        return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        mouseUp(MouseButton::Other, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        m_click.cancel();
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        for (int press = 0; press < keyDownsFor(LOWORD(lParam)); ++press)
            m_onKeyDown(static_cast<int>(wParam), shiftState());
        if (message == WM_KEYDOWN)
            return 0;
        break; // Alt+F4 and the window menu still work
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        rescale(HIWORD(wParam));
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        m_hwnd = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

void FendrelWindow::rescale(UINT dpi)
{
    // The frame's size at this dpi is what the window has around its client area now.
    RECT window;
    RECT client;
    GetWindowRect(m_hwnd, &window);
    GetClientRect(m_hwnd, &client);
    const RECT frame{0, 0, (window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
    m_scale = fittingScale(dpi, frame, MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTONEAREST));
    m_anzeigeLbl->scale(m_scale);
    const int width = WindowLayout::clientWidth * m_scale;
    const int height = WindowLayout::clientHeight * m_scale;
    if (client.right != width || client.bottom != height)
        SetWindowPos(m_hwnd, nullptr, 0, 0, width + frame.right, height + frame.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

RECT FendrelWindow::onScreen(const Area& area) const
{
    const Area device = area.scaled(m_scale);
    return {device.left, device.top, device.right, device.bottom};
}

void FendrelWindow::paint()
{
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(m_hwnd, &ps);
    // The boxes first, then the background around them: no pixel of a box ever shows
    // the background for a moment (the picture's boxes are all of one colour, so
    // where they overlap nothing changes either).
    const auto eachVisibleBox = [&](const auto& use) {
        for (const std::vector<Box>* layer : {&m_layers.persistent(), &m_layers.transient()})
            for (const Box& box : *layer) {
                const RECT area = onScreen(box.area);
                RECT visible;
                if (IntersectRect(&visible, &area, &ps.rcPaint))
                    use(box, visible);
            }
    };
    const auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    eachVisibleBox([&](const Box& box, const RECT& visible) {
        SetDCBrushColor(dc, box.colour); // a Colour is laid out as a COLORREF
        FillRect(dc, &visible, brush);
    });
    eachVisibleBox([&](const Box&, const RECT& visible) {
        ExcludeClipRect(dc, visible.left, visible.top, visible.right, visible.bottom);
    });
    SetDCBrushColor(dc, background());
    FillRect(dc, &ps.rcPaint, brush);
    EndPaint(m_hwnd, &ps);
}

Colour FendrelWindow::background() const
{
    return windowBackground(GetSysColor(COLOR_3DFACE), m_anzeigeLbl->foreColor());
}

Control FendrelWindow::controlUnder(LPARAM position) const
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    // Signed: while the mouse is held, positions left of or above the window come too.
    const auto x = static_cast<short>(LOWORD(position));
    const auto y = static_cast<short>(HIWORD(position));
    return controlAt(x, y, client.right, client.bottom, m_scale, m_anzeigeLbl->isShown());
}

void FendrelWindow::mouseDown(MouseButton button, LPARAM position)
{
    // Held until the release, so that letting go outside the window is seen too.
    SetCapture(m_hwnd);
    m_click.press(button, controlUnder(position));
}

void FendrelWindow::mouseUp(MouseButton button, WPARAM buttonsHeld, LPARAM position)
{
    const Control clickedOn = m_click.release(button, controlUnder(position));
    if (!(buttonsHeld & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
        ReleaseCapture();
    if (clickedOn != Control::None)
        m_onClick(clickedOn);
}
