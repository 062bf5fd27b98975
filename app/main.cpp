#include "displayscale.h"
#include "pelmora.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    EnableDisplayScaling();
    QApplication app(argc, argv);
    Pelmora window;
    window.show();
    return app.exec();
}
