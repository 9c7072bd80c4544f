// SPDX-License-Identifier: MIT
// Renders the SVG icon at the sizes a window manager asks for.
#include "view/qt/appicon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon appIcon()
{
    Q_INIT_RESOURCE(icon); // the resource lives in a static library
    QSvgRenderer renderer(QStringLiteral(":/de.fendrel.Fendrel.svg"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
