// The launcher of the installed navigator: makes the user's own application
// folder ready and starts the navigator in it.
#include "base/AppError.h"
#include "launcher/FailureReport.h"
#include "launcher/InstalledLayout.h"
#include "launcher/NavigatorStart.h"
#include "launcher/UserFolder.h"

int main(int argc, char** argv)
{
    try {
        const InstalledLayout installed = InstalledLayout::around(runningProgramFolder());
        const QString folder = UserFolder::defaultPath();
        UserFolder::prepare(installed.data, folder);
        startNavigator(installed.navigator, folder);
    } catch (const AppError& error) {
        reportFailure(error.message(), argc, argv);
    }
    return 1;
}
