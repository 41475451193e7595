#pragma once

#include "base/error.h"

// A failure to read the data folder (a class's files, a strings file), as opposed to a fault of
// what a user gave (a plan, a code). The window reports both alike; the command line ends with a
// different exit code for each.
class DataFolderError : public Error {
public:
    explicit DataFolderError(const QString &message) : DataFolderError(message, message) {}
    // `message` tells the failure within the operation that met it; `cause` is the reader's own
    // account, for a caller that names the operation itself.
    DataFolderError(const QString &message, QString cause)
        : Error(message), cause_(std::move(cause))
    {
    }

    const QString &cause() const { return cause_; }

private:
    QString cause_;
};
