#include "build/library_document.h"

#include "base/error.h"
#include "base/read_file.h"
#include "base/write_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Library::Library(QString folder, int classCount, QObject *parent)
    : QObject(parent), folder_(std::move(folder)), classCount_(classCount)
{
    reload();
}

void Library::reload()
{
    entries_ = readLibrary(folder_, classCount_);
    emit changed();
}

const LibraryEntry &Library::entryAt(const QString &path) const
{
    for (const LibraryEntry &entry : entries_) {
        if (entry.path == path && entry.build)
            return entry;
    }
    throw Error(QStringLiteral("%1: no longer in the library").arg(path));
}

QString Library::pathOfName(const QString &name) const
{
    for (const LibraryEntry &entry : entries_) {
        if (entry.build && entry.build->name == name)
            return entry.path;
    }
    return {};
}

QString Library::add(const LibraryBuild &build)
{
    const QString path = freeLibraryPath(folder_, build.name);
    writeLibraryFile(path, build);
    reload();
    return path;
}

void Library::replace(const QString &path, const LibraryBuild &build)
{
    LibraryBuild kept = build;
    kept.otherKeys = entryAt(path).build->otherKeys;
    writeLibraryFile(path, kept);
    reload();
}

QString Library::rename(const QString &path, const QString &name)
{
    LibraryBuild build = *entryAt(path).build;
    build.name = name;
    // The new file is whole before the old one goes: a failure leaves the build under its old name.
    QString target = path;
    if (QFileInfo(path).fileName() != libraryFileName(name))
        target = freeLibraryPath(folder_, name);
    writeLibraryFile(target, build);
    if (target != path && !QFile::remove(path)) {
        QFile::remove(target);
        throw Error(QStringLiteral("%1: cannot be renamed").arg(path));
    }
    reload();
    return target;
}

void Library::setNotes(const QString &path, const QString &notes)
{
    LibraryBuild build = *entryAt(path).build;
    if (build.notes == notes)
        return;
    build.notes = notes;
    writeLibraryFile(path, build);
    // The list keeps its order and its selection: only this entry's notes changed.
    for (LibraryEntry &entry : entries_) {
        if (entry.path == path)
            entry.build->notes = notes;
    }
}

void Library::remove(const QString &path)
{
    Removed removed{path, readFileBytes(path, MaxLibraryFileBytes), {}};
    QFile file(path);
    // A desktop without a trash loses nothing either: the bytes wait here for an undo.
    if (!file.moveToTrash()) {
        if (!file.remove())
            throw Error(QStringLiteral("%1: cannot be deleted: %2").arg(path, file.errorString()));
    } else {
        removed.trashPath = file.fileName();
    }
    removed_.append(removed);
    reload();
}

QString Library::undoRemove()
{
    if (removed_.isEmpty())
        return {};
    const Removed removed = removed_.takeLast();
    QString path = removed.path;
    if (QFileInfo::exists(path))
        path = freeLibraryPath(folder_, QFileInfo(path).completeBaseName());
    if (removed.trashPath.isEmpty() || !QFile::rename(removed.trashPath, path)) {
        writeWholeFile(path, removed.bytes);
    } else {
        // The trash's note of where the file came from goes with it.
        const QFileInfo inTrash(removed.trashPath);
        QFile::remove(inTrash.dir().filePath(QStringLiteral("../info/") + inTrash.fileName() +
                                             QStringLiteral(".trashinfo")));
    }
    reload();
    return path;
}
