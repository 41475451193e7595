#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes `bytes` to `path`, creating its folder, unless the file already holds exactly these
// bytes: an unchanged picture keeps its timestamp, so nothing downstream rebuilds or recopies it.
// Returns whether the file was written. Throws Error when the folder or the file cannot be
// written.
bool writeIfChanged(const QString &path, const QByteArray &bytes);

// The picture in the given QImage format ("BMP", "PNG") as bytes. Throws Error on failure.
QByteArray encodeImage(const QImage &image, const char *format);
