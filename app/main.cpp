#include "app/NavigatorApplication.h"
#include "app/Startup.h"

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    app.installRussianTranslations();
    return runNavigator(app);
}
