// The floor of any Qt Widgets start: one main window shown, then quit at the
// first idle moment, as the start-up harness does.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    // exit() leaves the event loop without closing the windows: a close would
    // ask the user whether to leave the program.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
