#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QPair>
#include <QString>
#include <QVector>
#include <optional>

// The player's library of builds: a folder ("builds" in the user's data folder) holding one UTF-8
// text file per build, "<name>.build", in the format docs/library.md describes:
//   Runeplan build 1
//   name: <one line>
//   code: <its build code, with the order of points>
//   saved: <yyyy-MM-ddTHH:mm:ssZ>
//   notes:
//   <free text to the end of the file>
// Files dropped into the folder by hand or by a sync show at the next reading; a file that cannot
// be read is listed with its reason, never hidden, never deleted.

// No library file is larger than this; a bigger one is listed as unreadable without being read.
inline constexpr qint64 MaxLibraryFileBytes = 1024 * 1024;

// One build as its file holds it.
struct LibraryBuild {
    QString name;
    QString code;
    QDateTime saved; // UTC; invalid when the file has no "saved:" line
    QString notes;
    // "key: value" lines the planner does not know, in their order: kept when the file is written
    // again.
    QVector<QPair<QString, QString>> otherKeys;
    bool operator==(const LibraryBuild &) const = default;
};

// Reads a library file's bytes; throws Error with the reason (not UTF-8 text, no first line, no
// name or code, a damaged line...). The code itself is not checked here.
LibraryBuild parseLibraryFile(const QByteArray &bytes);
// The file's bytes for `build`; parseLibraryFile(formatLibraryFile(b)) == b for every build whose
// name is one line and whose notes need no care.
QByteArray formatLibraryFile(const LibraryBuild &build);

// The file name a build of `name` is kept under, without a folder: the characters / \ : * ? " < >
// | , tabs and control characters replaced by '_', at most 100 characters before ".build".
QString libraryFileName(const QString &name);

// Where a new build of `name` goes in `folder`: "<folder>/<libraryFileName(name)>", or when that
// is taken the first free "<stem> (2).build", "<stem> (3).build"...
QString freeLibraryPath(const QString &folder, const QString &name);

// Writes `build` to `path` so that an old file is replaced only by a complete new one, making the
// folder when it is missing. Throws Error naming the file and the reason.
void writeLibraryFile(const QString &path, const LibraryBuild &build);

// What the library lists of one file: the build, or why it cannot be read.
struct LibraryEntry {
    QString path;
    std::optional<LibraryBuild> build; // nothing when unreadable
    QString problem;                   // why not, when unreadable
    // Of a readable build, from its code: the class's index in the data folder, its points.
    int classIndex = -1;
    int points = 0;
    QDateTime sortTime; // "saved:", else the file's modification time
};

// Every "*.build" file of `folder`, newest first; an absent folder is an empty library. A file is
// unreadable when it is empty, binary, over MaxLibraryFileBytes, malformed, holds a damaged code,
// or a code of a class past the data folder's `classCount` classes.
QVector<LibraryEntry> readLibrary(const QString &folder, int classCount);

// The folder of the player's library: "builds" in the application's data location.
QString libraryFolder();
