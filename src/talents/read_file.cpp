#include "read_file.h"

#include "error.h"
#include "text_lines.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
constexpr qint64 ReadPieceBytes = 64 * 1024;
} // namespace

QByteArray readFileBytes(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() && QFileInfo::exists(path))
        throw Error(QStringLiteral("Cannot open file %1: it is not a file").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open file %1: %2").arg(path, file.errorString()));
    if (file.size() > maxBytes) {
        throw Error(QStringLiteral("Cannot read file %1: it is larger than %2 bytes")
                        .arg(path, QString::number(maxBytes)));
    }
    // In pieces: QIODevice::read(n) sets n bytes aside before it reads, so one read up to the
    // limit would reserve far more than the limit for every small file.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(file.size()));
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = file.read(std::min(ReadPieceBytes, maxBytes + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Cannot read file %1: %2").arg(path, file.errorString()));
    if (bytes.size() > maxBytes) {
        throw Error(QStringLiteral("Cannot read file %1: it is larger than %2 bytes")
                        .arg(path, QString::number(maxBytes)));
    }
    return bytes;
}

QStringList readListFile(const QString &path)
{
    return splitListLines(decodeDataText(readFileBytes(path, MaxDataTextBytes)));
}
