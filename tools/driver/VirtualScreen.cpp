#include "VirtualScreen.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

VirtualScreen::VirtualScreen(QSize size)
{
    const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (server.isEmpty()) {
        m_failure = QStringLiteral("Xvfb is not installed (Debian: xvfb)");
        return;
    }
    // -displayfd: the server takes the first free display number and writes it
    // to standard output once it accepts connections.
    m_server.setStandardErrorFile(QProcess::nullDevice());
    m_server.start(server, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                            QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()),
                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const QDeadlineTimer deadline(30000);
    while (!m_server.canReadLine()) {
        if (m_server.state() == QProcess::NotRunning || deadline.hasExpired()) {
            m_failure = QStringLiteral("Xvfb did not start: ") + m_server.errorString();
            return;
        }
        m_server.waitForReadyRead(100);
    }
    const QString number = QString::fromLatin1(m_server.readLine()).trimmed();
    if (number.isEmpty())
        m_failure = QStringLiteral("Xvfb gave no display number");
    else
        m_display = QLatin1Char(':') + number;
}

VirtualScreen::~VirtualScreen()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(10000)) {
        m_server.kill();
        m_server.waitForFinished(10000);
    }
}
