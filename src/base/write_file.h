#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes a whole file so that the old one is replaced only by a complete new one: on any failure
// the old file stays as it was. Throws Error naming the file and the reason.
void writeWholeFile(const QString &path, const QByteArray &bytes);

// Writes the bytes straight into what `path` names, as it is: for a pipe or a device, which must
// stay what it is rather than be replaced by a file. Throws Error naming the path and the reason.
void writeStraightInto(const QString &path, const QByteArray &bytes);

// Writes the whole of `bytes` to an open file, writing on after a short write so that a failure
// leaves its cause in the file's errorString. Returns whether all was written.
bool writeAll(QFileDevice &file, const QByteArray &bytes);
