#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The largest data text file we read: far above any real tree or strings file.
inline constexpr qint64 MaxDataTextBytes = 64 * 1024 * 1024;

// A data text file as lines of the language files' kind (see splitListLines). Throws Error
// naming the file when it cannot be read.
QStringList readListFile(const QString &path);

// Data files are UTF-8. Older data folders were written in Windows-1251, so bytes that are not
// valid UTF-8 are read in that code page instead.
QString decodeDataText(const QByteArray &bytes);

// Lines of the language list, the last-language file and the strings files: CR, LF or CR LF end a
// line, a final line break adds no empty line, nothing is trimmed.
QStringList splitListLines(const QString &text);

// Lines of a tree file: LF (or CR LF) ends a line, and a CR that is not followed by LF is dropped.
QStringList splitTreeLines(const QString &text);

// Strips every leading and trailing character of code 32 or below.
QString trimControl(const QString &text);

// A decimal integer with an optional sign that fits 32 bits; nothing else is accepted.
std::optional<int> parseDecimal(const QString &text);

// A value as an error message shows it: a whole line of garbage would make the message box
// unreadable, so only its start is shown.
QString shortenedForMessage(const QString &text);

// The message of a number that could not be read.
QString notAnIntegerMessage(const QString &text);
