#include "base/read_file.h"

#include "base/error.h"

#include <QFile>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace {

enum class IfMissing { Fail, Skip };

constexpr qint64 ReadPieceBytes = 64 * 1024;

[[noreturn]] void failOpen(const QString &path, const QString &reason)
{
    throw Error(QStringLiteral("Cannot open file %1: %2").arg(path, reason));
}

[[noreturn]] void failRead(const QString &path, const QString &reason)
{
    throw Error(QStringLiteral("Cannot read file %1: %2").arg(path, reason));
}

[[noreturn]] void failTooLarge(const QString &path, qint64 maxBytes)
{
    throw Error(QStringLiteral("Cannot read file %1: it is larger than %2 bytes")
                    .arg(path, QString::number(maxBytes)));
}

QString notAFile()
{
    return QStringLiteral("it is not a file");
}

#ifdef Q_OS_UNIX

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes the file however the read ends.
class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() { ::close(fd_); }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// Straight through the system calls: a class load reads about a hundred small files, and the
// general file classes spend several more calls per file (a look at the path before opening it,
// the size asked again at each step, a last read to find the end) than the read itself costs.
std::optional<QByteArray> readWhole(const QString &path, qint64 maxBytes, IfMissing ifMissing)
{
    const QByteArray name = QFile::encodeName(path);
    // Without waiting: a pipe with no writer is seen for what it is instead of holding the open.
    int fd = -1;
    do
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    // Nothing of that name, or a link that leads nowhere.
    if (fd < 0 && errno == ENOENT && ifMissing == IfMissing::Skip)
        return std::nullopt;
    if (fd < 0)
        failOpen(path, systemReason(errno));
    const OpenFile file(fd);

    struct stat status {};
    if (::fstat(fd, &status) != 0)
        failOpen(path, systemReason(errno));
    if (!S_ISREG(status.st_mode)) {
        // A file that may be left out is left out when what stands in its place is no file.
        if (ifMissing == IfMissing::Skip)
            return std::nullopt;
        failOpen(path, notAFile());
    }
    const qint64 statedSize = status.st_size;
    if (statedSize > maxBytes)
        failTooLarge(path, maxBytes);

    // Room for one byte more than the file says it holds: a read that stops short of that room
    // has met the end, so a file read whole costs one read. A file that grows meanwhile (or a
    // system file that states no size) is read on, a piece at a time, up to the limit.
    QByteArray bytes(static_cast<qsizetype>(statedSize + 1), Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes)
                failTooLarge(path, maxBytes);
            bytes.resize(static_cast<qsizetype>(std::min(got + ReadPieceBytes, maxBytes + 1)));
        }
        const qsizetype room = bytes.size() - got;
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(room));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            failRead(path, systemReason(errno));
        }
        got += n;
        if (n == 0 || (n < room && got == statedSize))
            break;
    }
    if (got > maxBytes)
        failTooLarge(path, maxBytes);
    bytes.resize(got);
    return bytes;
}

#else

std::optional<QByteArray> readWhole(const QString &path, qint64 maxBytes, IfMissing ifMissing)
{
    QFile file(path);
    if (ifMissing == IfMissing::Skip && !QFileInfo(path).isFile())
        return std::nullopt;
    if (!QFileInfo(path).isFile() && QFileInfo::exists(path))
        failOpen(path, notAFile());
    if (!file.open(QIODevice::ReadOnly))
        failOpen(path, file.errorString());
    if (file.size() > maxBytes)
        failTooLarge(path, maxBytes);
    // In pieces: QIODevice::read(n) sets n bytes aside before it reads, so one read up to the
    // limit would reserve far more than the limit for every small file.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(file.size()));
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = file.read(std::min(ReadPieceBytes, maxBytes + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError)
        failRead(path, file.errorString());
    if (bytes.size() > maxBytes)
        failTooLarge(path, maxBytes);
    return bytes;
}

#endif

} // namespace

QByteArray readFileBytes(const QString &path, qint64 maxBytes)
{
    return *readWhole(path, maxBytes, IfMissing::Fail);
}

std::optional<QByteArray> readFileBytesIfPresent(const QString &path, qint64 maxBytes)
{
    return readWhole(path, maxBytes, IfMissing::Skip);
}
