#include "DrivenProgram.h"

#include "VirtualScreen.h"

#include <QProcess>
#include <QTemporaryFile>

namespace {

// A program the driver could not finish with ends long before this; a hung
// one is killed here.
constexpr int kRunDeadlineMs = 600000;

const QString kPrefix = QStringLiteral("driver: ");

} // namespace

QString DrivenOutcome::summary() const
{
    return QStringLiteral("finished %1, crashed %2, exit code %3\ndriver:\n  %4\nother output:\n%5")
        .arg(finished)
        .arg(crashed)
        .arg(exitCode)
        .arg(said.join(QStringLiteral("\n  ")), otherOutput);
}

DrivenOutcome runDriven(const VirtualScreen& screen, const QString& program, const QString& folder,
                        const QStringList& orders, const QProcessEnvironment& environment)
{
    DrivenOutcome outcome;
    QTemporaryFile ordersFile;
    if (!ordersFile.open()) {
        outcome.otherOutput = QStringLiteral("cannot write the orders");
        return outcome;
    }
    ordersFile.write(orders.join(QLatin1Char('\n')).toUtf8() + '\n');
    ordersFile.flush();

    QProcessEnvironment env = environment;
    env.insert(QStringLiteral("DISPLAY"), screen.display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(TALV_DRIVER_PLUGIN_PATH));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("talvdriver:") + ordersFile.fileName());

    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, {});
    if (!process.waitForFinished(kRunDeadlineMs)) {
        process.kill();
        process.waitForFinished(10000);
    } else {
        outcome.finished = true;
    }
    outcome.crashed = process.exitStatus() == QProcess::CrashExit;
    outcome.exitCode = process.exitCode();
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(kPrefix))
            outcome.said << line.mid(kPrefix.size());
        else if (!line.isEmpty())
            outcome.otherOutput += line + QLatin1Char('\n');
    }
    outcome.otherOutput += QString::fromUtf8(process.readAllStandardError());
    if (process.error() == QProcess::FailedToStart)
        outcome.otherOutput += process.errorString();
    return outcome;
}
