#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QStandardPaths>
#include <QString>

// Puts a file with `bytes`, a folder (which nothing can write as a file, not even root) or
// nothing where a last.ini may be.
enum class Spot { File, Folder, Missing };
Q_DECLARE_METATYPE(Spot)

inline void prepare(const QString &path, Spot spot, const QByteArray &bytes = "0\r\n")
{
    QFile::remove(path);
    QDir(path).removeRecursively();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (spot == Spot::Folder) {
        QDir().mkpath(path);
    } else if (spot == Spot::File) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// The user's own last.ini, in the configuration folder: a test location once
// QStandardPaths::setTestModeEnabled(true) has been called.
inline QString userLastLanguageFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("last.ini"));
}
