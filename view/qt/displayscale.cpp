// SPDX-License-Identifier: MIT
// The display scale the user asked for, per screen.
#include "view/qt/displayscale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace {

double globalFactor = 1;
QStringList screenFactors; // "1.5" by place, or "DP-1=1.5" by name

double factorFor(const QScreen& screen)
{
    const qsizetype place = QGuiApplication::screens().indexOf(&screen);
    for (qsizetype i = 0; i < screenFactors.size(); ++i) {
        const QString& entry = screenFactors[i];
        const qsizetype equals = entry.lastIndexOf('=');
        if (equals < 0 ? i == place : entry.left(equals) == screen.name()) {
            bool ok = false;
            const double factor = entry.mid(equals + 1).toDouble(&ok);
            return ok ? factor : 1;
        }
    }
    return 1;
}

} // namespace

void takeOverDisplayScale()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    globalFactor = ok && factor > 0 ? factor : 1;
    screenFactors = qEnvironmentVariable("QT_SCREEN_SCALE_FACTORS").split(';', Qt::SkipEmptyParts);
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

double displayScale(const QScreen& screen)
{
    return globalFactor * factorFor(screen) * screen.logicalDotsPerInch() / 96;
}
