// The reference for start-up: the toolkit's own cost of one empty window, built against the
// same Qt as Pelmora. Quits as soon as its event loop first runs.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
