#include "pelmora.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Pelmora window;
    window.show();
    return app.exec();
}
