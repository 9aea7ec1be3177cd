#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The desktop shell's "open" action as the program uses it: web addresses and
// "mailto:" links go to the user's browser or mail program, and a program file
// is started as a process of its own. The shell's answer is never examined: a
// missing browser, mail program or program file produces no message.
namespace DesktopShell {

void openUrl(const QUrl& url);
// Starts a program detached; the path may name a file that does not exist.
void startProgram(const QString& path);

using UrlOpener = std::function<void(const QUrl&)>;
using ProgramStarter = std::function<void(const QString&)>;

// Puts other actions in place of the desktop's for as long as it lives, so
// that tests can see what would have been opened without a desktop. An empty
// function keeps the desktop's action.
class Replacement {
public:
    Replacement(UrlOpener openUrl, ProgramStarter startProgram);
    ~Replacement();
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

private:
    UrlOpener m_previousOpener;
    ProgramStarter m_previousStarter;
};

} // namespace DesktopShell
