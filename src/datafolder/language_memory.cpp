#include "datafolder/language_memory.h"

#include "base/error.h"
#include "base/write_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

LanguageMemory::LanguageMemory(QString dataFile, QString userFile)
    : dataFile_(std::move(dataFile)), userFile_(std::move(userFile))
{
}

LanguageMemory LanguageMemory::beside(const QString &dataFile)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // Without a configuration folder there is no user's file: only the data folder's counts.
    return LanguageMemory(
        dataFile, folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("last.ini")));
}

bool LanguageMemory::dataFileWritable() const
{
    // A file removed since the start is made again where it was, when its folder can take it.
    const QFileInfo file(dataFile_);
    const bool folderWritable = QFileInfo(file.absolutePath()).isWritable();
    if (!file.exists())
        return folderWritable;
    return file.isFile() && file.isWritable() && folderWritable;
}

QString LanguageMemory::fileToRead() const
{
    if (!dataFileWritable() && !userFile_.isEmpty() && QFileInfo(userFile_).isFile())
        return userFile_;
    return dataFile_;
}

void LanguageMemory::remember(int index) const
{
    const QByteArray text = QByteArray::number(index) + "\r\n";
    QString dataFailure;
    if (dataFileWritable()) {
        try {
            writeWholeFile(dataFile_, text);
            return;
        } catch (const Error &e) {
            dataFailure = e.message();
        }
    } else {
        dataFailure = QStringLiteral("Cannot write file %1: it is not a writable file in a "
                                     "writable folder")
                          .arg(dataFile_);
    }
    if (userFile_.isEmpty())
        throw Error(dataFailure + QStringLiteral("\nThere is no user configuration folder."));
    try {
        QDir().mkpath(QFileInfo(userFile_).absolutePath());
        writeWholeFile(userFile_, text);
    } catch (const Error &e) {
        throw Error(dataFailure + u'\n' + e.message());
    }
}
