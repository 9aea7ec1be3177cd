#include "launcher/FailureReport.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

// The platforms to try for the message box, ending with one that needs no
// display, so that an unreachable display leaves the launcher running instead
// of ending it; empty when there is no display at all.
QByteArray platformsToTry()
{
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            platforms = "wayland;xcb";
        else if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            platforms = "xcb";
        else
            return {};
    }
    return platforms + ";offscreen";
}

bool showsNothing(const QString& platform)
{
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

// Qt's own complaints about a display it could not reach are not for the user.
void quietWhileConnecting(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

void reportFailure(const QString& message, int& argc, char** argv)
{
    std::fprintf(stderr, "talvinsk: %s\n", message.toUtf8().constData());
    std::fflush(stderr);
    const QByteArray platforms = platformsToTry();
    if (platforms.isEmpty())
        return;
    qputenv("QT_QPA_PLATFORM", platforms);
    const QtMessageHandler previous = qInstallMessageHandler(quietWhileConnecting);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    if (showsNothing(QApplication::platformName()))
        return;
    QMessageBox::critical(nullptr, QStringLiteral("Тальвинск Навигатор"), message);
}
