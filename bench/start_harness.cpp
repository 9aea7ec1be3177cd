// The navigator's start as its main runs it, ending at the first idle moment
// after the main window is shown, so that the benchmark can time the start-up
// and its peak memory from outside without a switch in the program itself.
#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/Startup.h"

#include <QTimer>

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    app.installRussianTranslations();
    NavigatorWindows windows;
    if (startNavigator(app, windows) != StartOutcome::Running)
        return 1;
    // exit() leaves the event loop without closing the windows: a close would
    // ask the user whether to leave the program.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
