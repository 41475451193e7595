#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What a second start of the planner sends to the running one over the local channel: the
// argument it was given (a plan file's absolute path, or a text holding a build code; empty to
// bring the window to the front). One message a connection:
//   runeplan-hand-over 1 <length>\n<length bytes of UTF-8>
// Whoever can reach the channel can write to it, so the reader takes the bytes as untrusted.

inline constexpr qsizetype HandOverLimit = 64 * 1024; // bytes of the argument

// The message that carries `argument`. Precondition: its UTF-8 is at most HandOverLimit bytes.
QByteArray handOverMessage(const QString &argument);

// The argument of a message from the bytes received so far: nothing while they are a beginning of
// a message that may still be well-formed. Throws Error, saying why, for anything else: another
// header or version, a length over the limit or written otherwise than in plain digits, bytes past
// the announced length, text that is not UTF-8 or holds a NUL.
std::optional<QString> readHandOver(const QByteArray &received);
