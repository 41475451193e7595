#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What the file system tells of a file without opening it: enough to see that the file was
// changed, replaced or removed since.
struct FileStamp {
    qint64 device = 0;
    qint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0; // the last change of the file or of its entry (permissions, links)

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// The stamp of the file a path leads to; nothing when the path leads to none.
std::optional<FileStamp> fileStamp(const QString &path);

// Now, on the clock that file stamps are given in.
qint64 stampClockNowNs();

// Whether a stamp taken at `takenNs` vouches for the file's content. File system clocks move in
// steps (milliseconds on most, two seconds on some), so a file changed just before its stamp was
// taken may change again within the same step and keep the very same stamp; only a file that had
// been left alone for `settleNs` when the stamp was taken is vouched for.
bool stampVouches(const FileStamp &stamp, qint64 takenNs, qint64 settleNs);
