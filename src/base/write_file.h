#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file so that the old one is replaced only by a complete new one: on any failure
// the old file stays as it was. Throws Error naming the file and the reason.
void writeWholeFile(const QString &path, const QByteArray &bytes);
