#pragma once

#include "base/AppError.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QString>

#include <functional>

// Reads the error an action of the user brings up, in the tests that drive
// the program's windows.
namespace ErrorReader {

// Takes the error boxes the program shows while it lives: each is read the
// moment it shows, and closed, as the user closes it, from the first event
// after, before any poller of a test that answers other windows can see it.
class ErrorBoxTaker : public QObject {
public:
    ErrorBoxTaker() { QCoreApplication::instance()->installEventFilter(this); }
    ~ErrorBoxTaker() override { QCoreApplication::instance()->removeEventFilter(this); }

    // The text of the first error box; empty while none has shown.
    QString first;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
        if (box && box->icon() == QMessageBox::Critical) {
            if (first.isEmpty())
                first = box->text().isEmpty() ? QStringLiteral("<empty error box>") : box->text();
            QMetaObject::invokeMethod(box, [box] { box->done(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// The error that `action` brings up: the message of the AppError it throws (a
// handler called directly), or the text of the first error box the program
// shows while it runs (a handler run by a click, at its boundary); empty when
// there is none.
inline QString errorOf(const std::function<void()>& action)
{
    ErrorBoxTaker boxes;
    try {
        action();
    } catch (const AppError& error) {
        return error.message().isEmpty() ? QStringLiteral("<empty AppError>") : error.message();
    }
    return boxes.first;
}

} // namespace ErrorReader
