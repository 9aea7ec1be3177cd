#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>

// The second navigator on the same folder (directory_instance, whose path the
// test is built with) and its orders: one line sent, one line answered.
class OtherProgram {
public:
    ~OtherProgram() { stop(); }

    // Starts it in the folder; its first answer ("ready" once it runs).
    QString start(const QString& folder)
    {
        m_process.setWorkingDirectory(folder);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(TALV_DIRECTORY_INSTANCE), {});
        if (!m_process.waitForStarted(30000))
            return m_process.errorString();
        return next();
    }

    void send(const QString& line) { m_process.write((line + QLatin1Char('\n')).toUtf8()); }

    // Its next answer. Meanwhile this process's events go on, as the event
    // loop of the program here runs while the user works in the other one;
    // a step of a modal window here waits without them.
    QString next(bool eventsGoOn = true)
    {
        const QDeadlineTimer deadline(60000);
        while (!m_process.canReadLine()) {
            if (m_process.state() == QProcess::NotRunning || deadline.hasExpired())
                return QStringLiteral("<no answer>");
            if (eventsGoOn)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            m_process.waitForReadyRead(20);
        }
        return QString::fromUtf8(m_process.readLine()).chopped(1);
    }

    QString order(const QString& line, bool eventsGoOn = true)
    {
        send(line);
        return next(eventsGoOn);
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(30000)) {
            m_process.kill();
            m_process.waitForFinished(30000);
        }
    }

private:
    QProcess m_process;
};
