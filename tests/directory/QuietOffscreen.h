#pragma once

#include <QString>
#include <QtGlobal>

// The offscreen platform warns that it cannot pass size hints on every time a
// dialog is shown; a program that shows hundreds of dialogs would bury its
// real messages under them. Every other message goes on as before.
inline void quietOffscreenSizeHints()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints")) && previous)
            previous(type, context, message);
    });
}
