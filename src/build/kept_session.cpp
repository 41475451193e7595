#include "build/kept_session.h"

#include "base/error.h"
#include "base/read_file.h"
#include "base/write_file.h"
#include "build/plan_file.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

KeptSession::KeptSession(const QString &dataFolder, const QString &userFolder)
{
    const QString folder = userFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : userFolder;
    // The data folder is named by a digest of its full path: the same folder always finds its
    // session, and no path ever becomes part of a file name.
    QString where = QFileInfo(dataFolder).canonicalFilePath();
    if (where.isEmpty())
        where = QFileInfo(dataFolder).absoluteFilePath();
    const QByteArray digest =
        QCryptographicHash::hash(where.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    path_ = QDir(folder).filePath(QStringLiteral("session-") + QString::fromLatin1(digest) +
                                  QStringLiteral(".plan"));
}

std::optional<QByteArray> KeptSession::read() const
{
    return readFileBytesIfPresent(path_, MaxPlanFileBytes);
}

void KeptSession::write(const QByteArray &plan) const
{
    QDir().mkpath(QFileInfo(path_).absolutePath());
    writeWholeFile(path_, plan);
}

QString KeptSession::setAside() const
{
    const QString stem = path_ + u'.' + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    QString aside = stem + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + u'-' + QString::number(n) + QStringLiteral(".bak");
    QFile file(path_);
    if (!file.rename(aside))
        throw Error(path_ + QStringLiteral(": cannot be kept aside: ") + file.errorString());
    return aside;
}

void reportSessionTrouble(const QString &message)
{
    // One line, whatever the message quotes from a broken file.
    QString line = message;
    for (QChar &c : line) {
        if (c.unicode() < 32)
            c = u'?';
    }
    std::fprintf(stderr, "runeplan: %s\n", line.toLocal8Bit().constData());
}
