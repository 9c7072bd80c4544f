// SPDX-License-Identifier: MIT
// The browser's display label.
#include "view/web/anzeigelabel.h"

#include "view/web/page.h"
#include "view/windowlayout.h"

AnzeigeLabel::AnzeigeLabel()
{
    Caption(WindowLayout::labelCaption);
}

std::string AnzeigeLabel::Caption() const
{
    return m_caption;
}

void AnzeigeLabel::Caption(const std::string& text)
{
    m_caption = text;
    fendrel_label_caption(text.c_str());
}

void AnzeigeLabel::Visible(bool visible)
{
    m_shown = visible;
    fendrel_label_visible(visible);
}

void AnzeigeLabel::ForeColor(Colour colour)
{
    fendrel_label_forecolor(redOf(colour), greenOf(colour), blueOf(colour));
}

void AnzeigeLabel::scale(int factor)
{
    const Area area = WindowLayout::label.scaled(factor);
    fendrel_label_place(area.left, area.top, area.width(), area.height(), WindowLayout::fontPixelSize * factor);
}
