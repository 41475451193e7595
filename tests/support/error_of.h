#pragma once

#include "base/error.h"

#include <QString>
#include <functional>

// The message of the Error that `operation` throws; empty when it throws none.
inline QString errorOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const Error &e) {
        return e.message();
    }
    return {};
}
