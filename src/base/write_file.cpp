#include "base/write_file.h"

#include "base/error.h"

#include <QSaveFile>

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    auto fail = [&](const QString &reason) {
        file.cancelWriting();
        throw Error(QStringLiteral("Cannot write file %1: %2").arg(path, reason));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    if (file.write(bytes) != bytes.size())
        fail(file.errorString());
    // The data sits in a buffer until it is flushed; a write that fails there (a full disk) must
    // not be followed by a commit, which would put a cut-off file in the old one's place.
    if (!file.flush())
        fail(file.errorString());
    if (!file.commit())
        throw Error(QStringLiteral("Cannot write file %1: %2").arg(path, file.errorString()));
}
