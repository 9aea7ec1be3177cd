#pragma once

#include "base/AppError.h"

#include <QString>

#include <exception>
#include <utility>

// The boundary between Qt and an event handler of the program. Handlers do not
// catch: an error ends the handler, and where Qt handed control to the handler
// (a signal it emits, a timer, a queued call, an event it delivers to one of our
// overrides) the error is caught and its text shown in the application's error
// box. The event loop then goes on, and no error travels through Qt's own code,
// which is not written to be unwound by one (a menu or a button could be left
// half-way through what it was doing).

// Shows a handler's error in the error box over the active window.
void showHandlerError(const QString& text);

// Runs a handler at the boundary; what it throws of the program's error type or
// of the standard library's is shown, and nothing leaves.
template <typename Handler>
void runHandler(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const AppError& error) {
        showHandlerError(error.message());
    } catch (const std::exception& error) {
        showHandlerError(QString::fromLocal8Bit(error.what()));
    }
}

// A handler for QObject::connect that runs `method` of `object` at the boundary:
//   connect(button, &QPushButton::clicked, this, handler(this, &TForm2::Button1Click));
// The method takes what the signal gives, or its first arguments, or nothing.
template <typename Object, typename Target, typename... Params>
auto handler(Object* object, void (Target::*method)(Params...))
{
    return [object, method](Params... args) {
        runHandler([&] { (object->*method)(std::forward<Params>(args)...); });
    };
}

template <typename Object, typename Target, typename... Params>
auto handler(Object* object, void (Target::*method)(Params...) const)
{
    return [object, method](Params... args) {
        runHandler([&] { (object->*method)(std::forward<Params>(args)...); });
    };
}

namespace HandlerBoundaryDetail {

template <typename Lambda, typename Result, typename Class, typename... Params>
auto wrap(Lambda lambda, Result (Class::*)(Params...) const)
{
    return [lambda = std::move(lambda)](Params... args) {
        runHandler([&] { lambda(std::forward<Params>(args)...); });
    };
}

template <typename Lambda, typename Result, typename Class, typename... Params>
auto wrap(Lambda lambda, Result (Class::*)(Params...))
{
    return [lambda = std::move(lambda)](Params... args) mutable {
        runHandler([&] { lambda(std::forward<Params>(args)...); });
    };
}

} // namespace HandlerBoundaryDetail

// The same for a lambda (a connection, a queued call or a single-shot timer):
//   QMetaObject::invokeMethod(this, handler([this] { ... }), Qt::QueuedConnection);
template <typename Lambda>
auto handler(Lambda lambda)
{
    return HandlerBoundaryDetail::wrap(std::move(lambda), &Lambda::operator());
}
