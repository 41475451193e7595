#pragma once

#include <QString>
#include <exception>
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
