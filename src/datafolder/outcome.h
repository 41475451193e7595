#pragma once

#include <exception>
#include <optional>

// What a piece of work gave: its result, or the exception that stopped it. Work done on another
// thread keeps its error here instead of throwing it there, and the thread that asks for the
// result raises it, at the point where it would have met it doing the work itself.
template <typename T> class Outcome {
public:
    // Runs `work` and keeps what it returns or whatever it throws.
    template <typename Work> void settle(Work &&work) noexcept
    {
        try {
            value_.emplace(work());
        } catch (...) {
            error_ = std::current_exception();
        }
    }

    // The result; throws the work's own exception when it failed (and std::bad_optional_access
    // when no work was ever settled here).
    const T &get() const
    {
        if (error_)
            std::rethrow_exception(error_);
        return value_.value();
    }

    // The result, or null when the work failed or none was settled: nothing is thrown.
    const T *ifSucceeded() const { return value_ ? &*value_ : nullptr; }

private:
    std::optional<T> value_;
    std::exception_ptr error_;
};
