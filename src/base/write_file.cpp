#include "base/write_file.h"

#include "base/error.h"

#include <QFile>
#include <QSaveFile>

// A short write leaves no cause ("Unknown error"); the write after it fails with one (a full
// disk).
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    auto fail = [&](const QString &reason) {
        file.cancelWriting();
        throw Error(QStringLiteral("Cannot write file %1: %2").arg(path, reason));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    if (!writeAll(file, bytes))
        fail(file.errorString());
    // The data sits in a buffer until it is flushed; a write that fails there (a full disk) must
    // not be followed by a commit, which would put a cut-off file in the old one's place.
    if (!file.flush())
        fail(file.errorString());
    if (!file.commit())
        throw Error(QStringLiteral("Cannot write file %1: %2").arg(path, file.errorString()));
}

void writeStraightInto(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // Unbuffered: a write that fails (a full device) fails here, with its cause.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, bytes))
        throw Error(QStringLiteral("Cannot write file %1: %2").arg(path, file.errorString()));
}
