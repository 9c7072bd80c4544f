// SPDX-License-Identifier: MIT
// The Win32 display label.
#include "view/win32/anzeigelabel.h"

#include "view/win32/widetext.h"
#include "view/windowlayout.h"

AnzeigeLabel::AnzeigeLabel(HWND parent, HINSTANCE instance)
    // Without SS_NOTIFY a static control is transparent to the mouse; SS_NOPREFIX
    // shows an ampersand as itself.
    : m_hwnd(CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                             parent, nullptr, instance, nullptr))
{
    scale(1);
    Caption(WindowLayout::labelCaption);
}

AnzeigeLabel::~AnzeigeLabel()
{
    if (m_font)
        DeleteObject(m_font);
}

std::string AnzeigeLabel::Caption() const
{
    return m_caption;
}

void AnzeigeLabel::Caption(const std::string& text)
{
    m_caption = text;
    SetWindowTextW(m_hwnd, widened(text).c_str());
}

void AnzeigeLabel::Visible(bool visible)
{
    m_shown = visible;
    ShowWindow(m_hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void AnzeigeLabel::ForeColor(Colour colour)
{
    // A Colour is laid out as a COLORREF.
    m_foreColor = colour;
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void AnzeigeLabel::scale(int factor)
{
    const Area area = WindowLayout::label.scaled(factor);
    SetWindowPos(m_hwnd, nullptr, area.left, area.top, area.width(), area.height(), SWP_NOZORDER | SWP_NOACTIVATE);
    // A negative height asks for the character (em) height, as a pixel size does.
    const HFONT font = CreateFontW(-WindowLayout::fontPixelSize * factor, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                   ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   VARIABLE_PITCH | FF_SWISS, widened(WindowLayout::fontFamily).c_str());
    SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (m_font)
        DeleteObject(m_font);
    m_font = font;
}
