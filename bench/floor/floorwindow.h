// SPDX-License-Identifier: MIT
#pragma once
// The floor to measure against: the least a Qt Widgets program must do to show this
// picture. A 792 x 573 window, a label, three blocks, and a rectangle that the arrow
// keys move, with the whole window repainted on each key.

#include <QLabel>
#include <QRect>
#include <QWidget>

class FloorWindow final : public QWidget {
public:
    FloorWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel m_label;
    QRect m_post{350, 200, 194, 500};
};
