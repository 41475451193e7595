#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <type_traits>
#include <utility>

// The program's one place that shows an error to the user: a message box with the error's text.
// The program goes on afterwards.
void reportError(const QString &message);
void reportException(const std::exception &error);

// Runs an event handler's body and reports whatever it throws, so that no exception ever reaches
// the event loop. Returns false when the body failed.
template <typename Body> bool guarded(Body &&body)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const std::exception &e) {
        reportException(e);
    } catch (...) {
        reportError(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

// Connects a signal to a handler that runs inside guarded(): the one way the window's controls
// reach their handlers. The handler takes the signal's arguments or none.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectGuarded(Sender *sender, Signal signal, const QObject *context,
                                       Handler handler)
{
    return QObject::connect(sender, signal, context, [handler](auto &&...arguments) {
        guarded([&] {
            if constexpr (std::is_invocable_v<const Handler &, decltype(arguments)...>)
                handler(std::forward<decltype(arguments)>(arguments)...);
            else
                handler();
        });
    });
}

// Runs `undo` when it goes out of scope: the guards that re-enable the window on every path.
template <typename Undo> class ScopeExit {
public:
    explicit ScopeExit(Undo undo) : undo_(std::move(undo)) {}
    ~ScopeExit() { undo_(); }
    ScopeExit(const ScopeExit &) = delete;
    ScopeExit &operator=(const ScopeExit &) = delete;

private:
    Undo undo_;
};
