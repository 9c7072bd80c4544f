#pragma once
// A click as the window and the label report it: the primary button pressed and
// released over the same control. The second press of a double click is not a click.

#include <QMouseEvent>

class PrimaryClick {
public:
    void press(const QMouseEvent& event) { m_armed = event.button() == Qt::LeftButton; }
    void doubleClick() { m_armed = false; }

    // True when this release completes a click inside `area`.
    bool release(const QMouseEvent& event, const QRect& area)
    {
        const bool click = m_armed && event.button() == Qt::LeftButton
            && area.contains(event.position().toPoint());
        if (event.button() == Qt::LeftButton)
            m_armed = false;
        return click;
    }

private:
    bool m_armed = false;
};
