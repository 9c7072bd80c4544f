// SPDX-License-Identifier: MIT
// The Qt display label.
#include "view/qt/anzeigelabel.h"

#include "view/qt/qtcolour.h"
#include "view/windowlayout.h"

#include <QFont>

AnzeigeLabel::AnzeigeLabel(QWidget* parent) : QLabel(parent)
{
    scale(1);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Caption(WindowLayout::labelCaption);
}

std::string AnzeigeLabel::Caption() const
{
    return m_caption;
}

void AnzeigeLabel::Caption(const std::string& text)
{
    m_caption = text;
    if (m_showPending)
        return;
    m_showPending = true;
    // Posted before anything the same event repaints, so the new text is what is
    // painted first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_showPending = false;
            setText(QString::fromStdString(m_caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        },
        Qt::QueuedConnection);
}

void AnzeigeLabel::Visible(bool visible)
{
    setVisible(visible);
}

void AnzeigeLabel::ForeColor(Colour colour)
{
    m_foreColor = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(colour));
    setPalette(colours);
}

void AnzeigeLabel::scale(int factor)
{
    const Area area = WindowLayout::label.scaled(factor);
    setGeometry(area.left, area.top, area.width(), area.height());
    QFont font(QString::fromUtf8(WindowLayout::fontFamily));
    font.setPixelSize(WindowLayout::fontPixelSize * factor);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
}
