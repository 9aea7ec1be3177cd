// The navigator started in the current folder, doing the long run of adds,
// changes and deletes of WriteRun through its own windows. Once a step is over
// (the dialog closed, the grid reloaded: what the user sees as done) it writes
// "confirmed <n>" to standard output at once. A test kills it part way.
#include "DirectoryUser.h"
#include "QuietOffscreen.h"
#include "WriteRun.h"

#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/Startup.h"

#include <cstdio>

int main(int argc, char** argv)
{
    quietOffscreenSizeHints();
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    NavigatorWindows windows;
    if (startNavigator(app, windows) != StartOutcome::Running) {
        std::printf("failed to start\n");
        return 1;
    }
    DirectoryUser user(windows);
    const QList<WriteRun::Step> run = WriteRun::steps();
    for (int n = 0; n < run.size(); ++n) {
        const WriteRun::Step& step = run[n];
        QString error;
        switch (step.kind) {
        case WriteRun::Step::Add:
            error = user.add(step.row);
            break;
        case WriteRun::Step::Change:
            error = user.change(step.tel, step.row);
            break;
        case WriteRun::Step::Delete:
            error = user.remove(step.tel);
            break;
        }
        if (!error.isEmpty()) {
            std::printf("error %d %s\n", n + 1, error.toUtf8().constData());
            return 2;
        }
        std::printf("confirmed %d\n", n + 1);
        std::fflush(stdout);
    }
    std::printf("finished\n");
    return 0;
}
