// SPDX-License-Identifier: MIT
#pragma once
// The program's texts are UTF-8; Win32 takes and gives UTF-16.

#include <windows.h>

#include <string>

inline std::wstring widened(const std::string& text)
{
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()));
    return wide;
}

inline std::string narrowed(const std::wstring& wide)
{
    std::string text(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    return text;
}
