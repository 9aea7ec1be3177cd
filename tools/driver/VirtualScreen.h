#pragma once

#include <QProcess>
#include <QSize>
#include <QString>

// A virtual X screen of its own (Xvfb on a free display number), for running
// a program on a real window system without a monitor. The server ends with
// the object.
class VirtualScreen {
public:
    explicit VirtualScreen(QSize size = QSize(1280, 1024));
    ~VirtualScreen();

    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    bool isUp() const { return !m_display.isEmpty(); }
    // ":N", for DISPLAY.
    const QString& display() const { return m_display; }
    // Why the screen is not up; empty when it is.
    const QString& failure() const { return m_failure; }

private:
    QProcess m_server;
    QString m_display;
    QString m_failure;
};
