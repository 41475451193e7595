#pragma once

#include "base/file_stamp.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <optional>

// Pictures read from files and kept, for the few files that every load asks for again (the arrow
// bitmaps). Work goes in rounds (a class load and the presses after it): within a round a kept
// picture serves without a look at its file. The first ask of a new round looks at the file's
// stamp and reads the file again when it was changed, replaced or removed, so that every load
// reports a file that went missing or was damaged, exactly as if nothing had been kept.
class PictureCache {
public:
    // How long a file must have been left alone before its stamp vouches for it.
    static constexpr qint64 DefaultSettleNs = 3'000'000'000;

    explicit PictureCache(qint64 settleNs = DefaultSettleNs) : settleNs_(settleNs) {}

    void newRound() { ++round_; }
    // The picture in the file; throws Error naming the file as loadPictureFile does, and then
    // keeps nothing for it.
    const QImage &picture(const QString &path);
    // How many times a file was read and decoded.
    int fileReads() const { return fileReads_; }

private:
    struct Entry {
        QImage picture;
        std::optional<FileStamp> stamp;
        bool vouched = false; // the stamp can tell a change of the file
        int round = 0;        // the last round the entry was checked in
    };

    QHash<QString, Entry> entries_;
    qint64 settleNs_;
    int round_ = 0;
    int fileReads_ = 0;
};
