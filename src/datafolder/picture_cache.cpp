#include "datafolder/picture_cache.h"

#include "datafolder/picture_file.h"

const QImage &PictureCache::picture(const QString &path)
{
    auto found = entries_.find(path);
    if (found != entries_.end() && found->round == round_)
        return found->picture;

    // The time first and the stamp before the read: a file that changes during either is seen as
    // changed the next time.
    const qint64 now = stampClockNowNs();
    const std::optional<FileStamp> stamp = fileStamp(path);
    if (found != entries_.end() && found->vouched && stamp == found->stamp) {
        found->round = round_;
        return found->picture;
    }
    if (found != entries_.end())
        entries_.erase(found);
    Entry entry;
    entry.picture = loadPictureFile(path);
    ++fileReads_;
    entry.stamp = stamp;
    entry.vouched = stamp && stampVouches(*stamp, now, settleNs_);
    entry.round = round_;
    return entries_.insert(path, entry)->picture;
}
