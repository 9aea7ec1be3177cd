// The screenshot of the main window that the software metadata shows, made on
// a virtual screen: the navigator runs in a folder prepared as the launcher
// prepares a user's, finds a street, and the driver saves the window.
//
//   navigator-screenshot <navigator> <application data folder> <street> <picture.png>

#include "DrivenProgram.h"
#include "VirtualScreen.h"
#include "base/AppError.h"
#include "launcher/UserFolder.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        err << "usage: navigator-screenshot <navigator> <application data folder> <street> <picture.png>\n";
        return 2;
    }
    QTemporaryDir folder;
    try {
        UserFolder::prepare(args[2], folder.path() + QStringLiteral("/talvinsk"));
    } catch (const AppError& error) {
        err << "navigator-screenshot: " << error.message() << '\n';
        return 1;
    }
    VirtualScreen screen;
    if (!screen.isUp()) {
        err << "navigator-screenshot: " << screen.failure() << '\n';
        return 1;
    }
    const DrivenOutcome outcome = runDriven(screen, args[1], folder.path() + QStringLiteral("/talvinsk"),
                                            {QStringLiteral("main-window"), QStringLiteral("find-street|") + args[3],
                                             QStringLiteral("shoot|") + args[4], QStringLiteral("quit")});
    if (!outcome.finished || outcome.exitCode != 0 || !outcome.saw(QStringLiteral("done"))) {
        err << "navigator-screenshot: the navigator did not run through\n" << outcome.summary() << '\n';
        return 1;
    }
    return 0;
}
