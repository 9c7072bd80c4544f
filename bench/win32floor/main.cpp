// SPDX-License-Identifier: MIT
// The Win32 floor to measure fendrel.exe against: the least a Win32 program must do to
// show this picture. A 792 x 573 client area, a static label, three blocks, and a
// rectangle that the arrow keys move, with the whole window repainted on each key.
#include <windows.h>

#include <initializer_list>

namespace {

RECT post{350, 200, 544, 700};
HWND label;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(window, &ps);
        FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_3DFACE));
        const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        for (const RECT& block : {RECT{50, 200, 300, 400}, RECT{500, 200, 750, 400}, RECT{50, 400, 750, 600}, post})
            FillRect(dc, &block, black);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_KEYDOWN: {
        const int dx = wParam == VK_LEFT ? -1 : wParam == VK_RIGHT ? 1 : 0;
        const int dy = wParam == VK_UP ? -1 : wParam == VK_DOWN ? 1 : 0;
        OffsetRect(&post, dx, dy);
        ShowWindow(label, SW_HIDE); // as the program's prompt is hidden during a run
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"Floor";
    RegisterClassW(&windowClass);
    RECT frame{0, 0, 792, 573};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    const HWND window = CreateWindowExW(0, L"Floor", L"Floor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                        nullptr, instance, nullptr);
    label = CreateWindowExW(0, L"STATIC", L"Zum Starten hier klicken []", WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 8, 769,
                            553, window, nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
