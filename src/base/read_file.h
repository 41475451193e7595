#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Reads a whole file, refusing one larger than maxBytes. Throws Error naming the file and the
// reason when it cannot be opened or read.
QByteArray readFileBytes(const QString &path, qint64 maxBytes);

// The same, for a file that may be left out: nothing when the path names nothing, a link that
// leads nowhere, or something that is not a file (a folder, a pipe). A file that cannot be read
// throws as above.
std::optional<QByteArray> readFileBytesIfPresent(const QString &path, qint64 maxBytes);
