#pragma once

class QWidget;

// Whether the window is at work in a handler. While a handler runs on the one interface thread no
// input reaches the window: events wait until the handler returns. Disabling the window control by
// control would show nothing (nothing is painted meanwhile), cost about a fifth of the non-picture
// work of a class load, and send a screen reader a "disabled" and an "enabled" for every control.
// So the window is disabled for real only while a dialog of the work runs its own event loop, and
// inner work (the class load inside a plan load) keeps the window as the outer work set it.
class BusyState {
public:
    explicit BusyState(QWidget &window) : window_(window) {}

    bool busy() const { return depth_ > 0; }
    // A dialog is about to run in the middle of the work: the window shows itself disabled until
    // the outermost work ends.
    void disableWhileDialogOpen();

private:
    friend class BusyScope;
    void enter() { ++depth_; }
    void leave();

    QWidget &window_;
    int depth_ = 0;
    bool shownDisabled_ = false;
};

// The window is busy for the lifetime of this object, however the work ends; scopes nest.
class BusyScope {
public:
    explicit BusyScope(BusyState &state) : state_(state) { state_.enter(); }
    ~BusyScope() { state_.leave(); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    BusyState &state_;
};
