#include "app/Startup.h"

#include "app/AppPaths.h"
#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/RequiredFiles.h"
#include "base/AppError.h"
#include "base/AppTitle.h"
#include "base/ErrorBox.h"

#include <QMessageBox>

namespace {

void createWindows(NavigatorApplication& app, NavigatorWindows& w, const QString& appDir)
{
    w.form1 = std::make_unique<TForm1>();
    w.form1->FormCreate();
    w.form9 = std::make_unique<TForm9>();
    w.aboutBox = std::make_unique<TAboutBox>();
    w.form11 = std::make_unique<TForm11>();
    w.form12 = std::make_unique<TForm12>();
    w.form13 = std::make_unique<TForm13>();
    w.form14 = std::make_unique<TForm14>(appDir);
    app.processEvents();
    w.form7 = std::make_unique<TForm7>();
    w.form2 = std::make_unique<TForm2>(*w.form7);
    w.form5 = std::make_unique<TForm5>();
    w.form6 = std::make_unique<TForm6>();
    w.form8 = std::make_unique<TForm8>(appDir);
    app.processEvents();
}

} // namespace

StartOutcome startNavigator(NavigatorApplication& app, NavigatorWindows& windows)
{
    const QString appDir = currentAppDir();
    if (!firstMissingRequiredFile(appDir).isEmpty()) {
        QMessageBox box(QMessageBox::NoIcon, QString(), missingFilesMessage(), QMessageBox::Ok);
        box.exec();
        return StartOutcome::MissingFiles;
    }

    app.setApplicationName(applicationTitle());
    try {
        createWindows(app, windows, appDir);
    } catch (const AppError& error) {
        showErrorBox(error.message());
        return StartOutcome::WindowCreationFailed;
    } catch (const std::exception& error) {
        showErrorBox(QString::fromLocal8Bit(error.what()));
        return StartOutcome::WindowCreationFailed;
    }

    windows.form1->attachWindows(windows);
    QObject::connect(windows.form1.get(), &TForm1::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    windows.form1->show();
    return StartOutcome::Running;
}

int runNavigator(NavigatorApplication& app)
{
    NavigatorWindows windows;
    switch (startNavigator(app, windows)) {
    case StartOutcome::MissingFiles:
        return 0;
    case StartOutcome::WindowCreationFailed:
        return 1;
    case StartOutcome::Running:
        break;
    }
    return app.exec();
}
