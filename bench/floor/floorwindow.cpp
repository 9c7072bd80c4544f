// SPDX-License-Identifier: MIT
// The floor window.
#include "floorwindow.h"

#include <QKeyEvent>
#include <QPainter>

FloorWindow::FloorWindow() : m_label(QStringLiteral("Zum Starten hier klicken []"), this)
{
    setWindowTitle(QStringLiteral("Floor"));
    resize(792, 573);
    m_label.setGeometry(8, 8, 769, 553);
    m_label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
}

void FloorWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.fillRect(QRect(50, 200, 250, 200), Qt::black);
    painter.fillRect(QRect(500, 200, 250, 200), Qt::black);
    painter.fillRect(QRect(50, 400, 700, 200), Qt::black);
    painter.fillRect(m_post, Qt::black);
}

void FloorWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: m_post.translate(-1, 0); break;
    case Qt::Key_Right: m_post.translate(1, 0); break;
    case Qt::Key_Up: m_post.translate(0, -1); break;
    case Qt::Key_Down: m_post.translate(0, 1); break;
    default: break;
    }
    m_label.hide(); // as the program's prompt is hidden during a run
    update();
}
