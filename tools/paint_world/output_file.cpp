#include "output_file.h"

#include "base/error.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool writeIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() &&
        existing.readAll() == bytes)
        return false;
    existing.close();

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw Error(QStringLiteral("%1: cannot create the folder").arg(folder));
    // Written beside and renamed into place, so an interrupted build never leaves half a picture.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Error(QStringLiteral("%1: cannot write: %2").arg(path, file.errorString()));
    return true;
}

QByteArray encodeImage(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw Error(QStringLiteral("cannot encode a %1 × %2 picture as %3")
                        .arg(image.width())
                        .arg(image.height())
                        .arg(QString::fromLatin1(format)));
    return bytes;
}
