// SPDX-License-Identifier: MIT
// Qt rounds the scale it derives from a screen's dpi only when told to, and never the
// factors given in QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS; at 1.5 a picture pixel
// would be one device pixel here and two there. So every one of them is rounded.
#include "view/qt/displayscale.h"

#include "view/windowlayout.h"

#include <QGuiApplication>
#include <QStringList>

namespace {

QString whole(const QString& factor)
{
    bool ok = false;
    const double value = factor.toDouble(&ok);
    return ok ? QString::number(WindowLayout::wholeScale(value)) : factor;
}

// "1.5" or "2;1.25" or "DP-1=1.5;HDMI-1=2": each factor, after its screen's name.
void roundFactorsIn(const char* variable)
{
    if (!qEnvironmentVariableIsSet(variable))
        return;
    QStringList screens = qEnvironmentVariable(variable).split(';');
    for (QString& screen : screens) {
        const qsizetype equals = screen.lastIndexOf('=');
        screen = screen.left(equals + 1) + whole(screen.mid(equals + 1));
    }
    qputenv(variable, screens.join(';').toUtf8());
}

} // namespace

void useWholeDisplayScale()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    roundFactorsIn("QT_SCALE_FACTOR");
    roundFactorsIn("QT_SCREEN_SCALE_FACTORS");
}
