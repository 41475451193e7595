#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reads a whole file, refusing one larger than maxBytes. Throws Error naming the file and the
// reason when it cannot be opened or read.
QByteArray readFileBytes(const QString &path, qint64 maxBytes);

// A data text file as lines of the language files' kind (see splitListLines).
QStringList readListFile(const QString &path);

// The largest data text file we read: far above any real tree or strings file.
inline constexpr qint64 MaxDataTextBytes = 64 * 1024 * 1024;
