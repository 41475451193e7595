#include "ui/dialog_folders.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString foldersFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/folders.ini");
}

const QString FolderKey = QStringLiteral("dialogs/folder");

} // namespace

DialogFolders::DialogFolders()
{
    const QString folder =
        QSettings(foldersFile(), QSettings::IniFormat).value(FolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        open_.folder = folder;
        save_.folder = folder;
    }
}

void DialogFolders::setTitles(const QString &open, const QString &save)
{
    open_.title = open;
    save_.title = save;
}

void DialogFolders::remember(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    open_.folder = folder;
    save_.folder = folder;
    QSettings(foldersFile(), QSettings::IniFormat).setValue(FolderKey, folder);
}
