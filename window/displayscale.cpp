#include "displayscale.h"

#include <QGuiApplication>

void EnableDisplayScaling()
{
    // Qt 6 scales and draws pixmaps at the screen's resolution by itself; Qt 5 draws fonts
    // larger but nothing else unless asked, and would round 150 percent up to 200.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}
