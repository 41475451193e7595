#include "base/file_stamp.h"

#include <QFile>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <ctime>
#include <sys/stat.h>
#else
#include <QDateTime>
#include <QFileInfo>
#endif

#ifdef Q_OS_UNIX

namespace {
constexpr qint64 NsPerSecond = 1'000'000'000;
} // namespace

std::optional<FileStamp> fileStamp(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileStamp{
        static_cast<qint64>(status.st_dev),
        static_cast<qint64>(status.st_ino),
        static_cast<qint64>(status.st_size),
        status.st_mtim.tv_sec * NsPerSecond + status.st_mtim.tv_nsec,
        status.st_ctim.tv_sec * NsPerSecond + status.st_ctim.tv_nsec,
    };
}

qint64 stampClockNowNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * NsPerSecond + now.tv_nsec;
}

#else

namespace {
constexpr qint64 NsPerMs = 1'000'000;
} // namespace

std::optional<FileStamp> fileStamp(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return FileStamp{
        0,
        0,
        info.size(),
        info.lastModified().toMSecsSinceEpoch() * NsPerMs,
        info.metadataChangeTime().toMSecsSinceEpoch() * NsPerMs,
    };
}

qint64 stampClockNowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * NsPerMs;
}

#endif

bool stampVouches(const FileStamp &stamp, qint64 takenNs, qint64 settleNs)
{
    return std::max(stamp.modifiedNs, stamp.changedNs) <= takenNs - settleNs;
}
