#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program. Operations never return error codes: they
// throw an AppError carrying the text the user is to see. Where Qt called the
// handler that ran the operation, the handler boundary (base/HandlerBoundary.h)
// shows that text in the application's error box, and the event loop goes on
// with the next event.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};
