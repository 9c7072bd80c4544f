// The display label widget.
#include "view/anzeigelabel.h"

#include "view/qtcolour.h"

#include <QFont>

AnzeigeLabel::AnzeigeLabel(QWidget* parent) : QLabel(parent)
{
    setGeometry(8, 8, 769, 553);
    // Tahoma 14.25 pt at 96 dpi; where it is missing the style hint picks a sans-serif.
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(19);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Caption("Label1");
}

std::string AnzeigeLabel::Caption() const
{
    return m_caption;
}

void AnzeigeLabel::Caption(const std::string& text)
{
    m_caption = text;
    setText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void AnzeigeLabel::Visible(bool visible)
{
    setVisible(visible);
}

void AnzeigeLabel::ForeColor(Colour colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(colour));
    setPalette(colours);
}

void AnzeigeLabel::mousePressEvent(QMouseEvent* event)
{
    m_click.press(*event);
}

void AnzeigeLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(*event, rect()))
        emit clicked();
}

void AnzeigeLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    m_click.doubleClick();
}
