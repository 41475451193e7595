#pragma once

#include "build/library.h"

#include <QObject>

// The library as a document: its entries as the folder holds them, and the changes a player makes
// to it (keep a build, write one again, rename, change its notes, delete to the desktop's trash
// and bring back while the document lives). Every change writes whole files atomically or throws
// Error naming the file and the reason, with the entries as they were; views follow changed().
class Library final : public QObject {
    Q_OBJECT
public:
    // `classCount`: the classes the data folder offers, past which a build is unreadable.
    Library(QString folder, int classCount, QObject *parent = nullptr);

    const QString &folder() const { return folder_; }
    const QVector<LibraryEntry> &entries() const { return entries_; }
    // Reads the folder again: files dropped in by hand or by a sync show.
    void reload();

    // The path of the readable build named `name` exactly; empty when there is none.
    QString pathOfName(const QString &name) const;
    // Keeps `build` in a new file named after it; returns its path.
    QString add(const LibraryBuild &build);
    // Writes `build` over the file at `path`, its other keys kept.
    void replace(const QString &path, const LibraryBuild &build);
    // Gives the build at `path` a new name (and the file the name's file name); returns its path.
    QString rename(const QString &path, const QString &name);
    // Changes the notes of the build at `path` in its file and its entry, without changed().
    void setNotes(const QString &path, const QString &notes);
    // Moves the file to the desktop's trash; undoRemove() brings the latest one back.
    void remove(const QString &path);
    bool canUndoRemove() const { return !removed_.isEmpty(); }
    // Returns the path the build came back to.
    QString undoRemove();
    // Deleted builds can no longer come back: the dialog that deleted them closed.
    void forgetRemoved() { removed_.clear(); }

signals:
    void changed();

private:
    const LibraryEntry &entryAt(const QString &path) const;

    QString folder_;
    int classCount_;
    QVector<LibraryEntry> entries_;
    struct Removed {
        QString path;
        QByteArray bytes; // written back when the trash cannot give the file back
        QString trashPath;
    };
    QVector<Removed> removed_;
};
