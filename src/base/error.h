#pragma once

#include <QString>
#include <exception>

// The one error type the planner raises. Its message is what the user reads in the error box,
// so it always says which file (and where useful which line) went wrong and why.
class Error : public std::exception {
public:
    explicit Error(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

    const QString &message() const { return message_; }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
