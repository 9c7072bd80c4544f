// SPDX-License-Identifier: MIT
// Reads what the Fendrel window shows, from outside the program, as the black-box
// test under Wine needs it: title, whether the window is shown yet, client area (size
// and place on the screen), the window with its frame on the screen, whether the label
// is shown, and the label's text, exactly, as WM_GETTEXT gives it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const std::wstring& wide)
{
    std::string text(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    return text;
}

std::wstring textOf(HWND window)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(copied);
    return text;
}

} // namespace

int main()
{
    // The text goes out byte for byte, its CR LF included.
    _setmode(_fileno(stdout), _O_BINARY);
    const HWND window = FindWindowW(L"Fendrel", nullptr);
    if (!window) {
        std::printf("no window\n");
        return 1;
    }
    const HWND label = FindWindowExW(window, nullptr, L"STATIC", nullptr);
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT frame;
    GetWindowRect(window, &frame);
    std::printf("title=%s\nwindow=%s\nclient=%ldx%ld\norigin=%ld,%ld\nframe=%ld,%ld,%ld,%ld\nlabel=%s\ntext=%s",
                utf8(textOf(window)).c_str(), IsWindowVisible(window) ? "shown" : "hidden", client.right, client.bottom,
                origin.x, origin.y, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                label && (GetWindowLongW(label, GWL_STYLE) & WS_VISIBLE) ? "shown" : "hidden",
                label ? utf8(textOf(label)).c_str() : "");
    return 0;
}
