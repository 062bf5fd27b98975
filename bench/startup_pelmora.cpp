// Pelmora's own start-up, exactly as app/main.cpp does it (logo resource included), quitting as
// soon as its event loop first runs.

#include "displayscale.h"
#include "pelmora.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    EnableDisplayScaling();
    QApplication app(argc, argv);
    Pelmora window;
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
