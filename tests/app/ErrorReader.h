#pragma once

#include "base/AppError.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>

// Reads the error an action of the user brings up, in the tests that drive
// the program's windows.
namespace ErrorReader {

// The error that `action` brings up: the message of the AppError it throws (a
// handler called directly), or the text of the first error box the program
// shows while it runs (a handler run by a click, at its boundary), which is
// then closed as the user closes it; empty when there is none.
inline QString errorOf(const std::function<void()>& action)
{
    QString shown;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->icon() != QMessageBox::Critical)
            return;
        if (shown.isEmpty())
            shown = box->text().isEmpty() ? QStringLiteral("<empty error box>") : box->text();
        box->done(0);
    });
    watch.start();
    try {
        action();
    } catch (const AppError& error) {
        return error.message().isEmpty() ? QStringLiteral("<empty AppError>") : error.message();
    }
    return shown;
}

} // namespace ErrorReader
