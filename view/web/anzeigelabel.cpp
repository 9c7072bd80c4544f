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

// The text goes on the page only while the label is shown, so that a screen reader
// hears the report once, when it appears, not the pieces it is built from.
void AnzeigeLabel::Caption(const std::string& text)
{
    m_caption = text;
    if (m_shown)
        fendrel_label_caption(text.c_str());
}

void AnzeigeLabel::Visible(bool visible)
{
    if (visible && !m_shown)
        fendrel_label_caption(m_caption.c_str());
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
