#include "app/DesktopShell.h"

#include <QDesktopServices>
#include <QProcess>

namespace DesktopShell {
namespace {

UrlOpener& currentOpener()
{
    static UrlOpener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}

ProgramStarter& currentStarter()
{
    static ProgramStarter starter = [](const QString& path) { QProcess::startDetached(path, {}); };
    return starter;
}

} // namespace

void openUrl(const QUrl& url)
{
    currentOpener()(url);
}

void startProgram(const QString& path)
{
    currentStarter()(path);
}

Replacement::Replacement(UrlOpener openUrl, ProgramStarter startProgram)
    : m_previousOpener(currentOpener())
    , m_previousStarter(currentStarter())
{
    if (openUrl)
        currentOpener() = std::move(openUrl);
    if (startProgram)
        currentStarter() = std::move(startProgram);
}

Replacement::~Replacement()
{
    currentOpener() = std::move(m_previousOpener);
    currentStarter() = std::move(m_previousStarter);
}

} // namespace DesktopShell
