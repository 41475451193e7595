#include "datafolder/picture_file.h"

#include "base/error.h"
#include "base/read_file.h"
#include "datafolder/jpeg_scans.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <cstdlib>
#include <turbojpeg.h>

namespace {

// Picture files are small; this only keeps a hostile file from being read whole into memory.
constexpr qint64 MaxPictureFileBytes = 64 * 1024 * 1024;

class TurboDecompressor {
public:
    TurboDecompressor() : handle_(tjInitDecompress()) {}
    ~TurboDecompressor()
    {
        if (handle_)
            tjDestroy(handle_);
    }
    TurboDecompressor(const TurboDecompressor &) = delete;
    TurboDecompressor &operator=(const TurboDecompressor &) = delete;

    tjhandle get() const { return handle_; }
    QString lastError() const { return QString::fromLocal8Bit(tjGetErrorStr2(handle_)); }

private:
    tjhandle handle_;
};

[[noreturn]] void fail(const QString &fileName, const QString &reason)
{
    throw Error(QStringLiteral("Cannot load picture %1: %2").arg(fileName, reason));
}

bool withinPictureLimit(QSize size)
{
    // 64 bits: the magnitude of the smallest int does not fit an int.
    return std::abs(qint64{size.width()}) <= MaxPictureSide &&
           std::abs(qint64{size.height()}) <= MaxPictureSide;
}

} // namespace

QImage decodeJpeg(const QByteArray &bytes, const QString &fileName)
{
    if (bytes.isEmpty())
        fail(fileName, QStringLiteral("the file is empty"));
    TurboDecompressor tj;
    if (!tj.get())
        fail(fileName, QStringLiteral("the JPEG decoder could not start"));
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(tj.get(), data, size, &width, &height, &subsampling, &colourspace) != 0)
        fail(fileName, QStringLiteral("not a readable JPEG (%1)").arg(tj.lastError()));
    // A stream of tables alone reads as a header of no size.
    if (width <= 0 || height <= 0)
        fail(fileName, QStringLiteral("not a readable JPEG (it holds no picture)"));
    if (width > MaxPictureSide || height > MaxPictureSide) {
        fail(fileName, QStringLiteral("%1 x %2 pixels is larger than %3 x %3")
                           .arg(width)
                           .arg(height)
                           .arg(MaxPictureSide));
    }
    if (!jpegDecodesInOneScan(bytes) && countJpegScans(bytes) > MaxJpegScans)
        fail(fileName, QStringLiteral("more than %1 scans").arg(MaxJpegScans));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        fail(fileName, QStringLiteral("out of memory"));
    const int rc =
        tjDecompress2(tj.get(), data, size, image.bits(), width,
                      static_cast<int>(image.bytesPerLine()), height, TJPF_BGRX, TJFLAG_LIMITSCANS);
    // A warning (for example a truncated file) still leaves a usable picture.
    if (rc != 0 && tjGetErrorCode(tj.get()) != TJERR_WARNING)
        fail(fileName, QStringLiteral("not a readable JPEG (%1)").arg(tj.lastError()));
    return image;
}

void loadPictureReaders()
{
    QBuffer nothing;
    nothing.open(QIODevice::ReadOnly);
    QImageReader(&nothing, "BMP").canRead();
}

QImage decodeBmp(const QByteArray &bytes, const QString &fileName)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "BMP");
    // From the header: nothing allocated yet. A negative height is a picture stored top row
    // first, so its size is the height without the sign.
    if (!withinPictureLimit(reader.size()))
        fail(fileName, QStringLiteral("larger than %1 x %1 pixels").arg(MaxPictureSide));
    QImage image = reader.read();
    if (image.isNull())
        fail(fileName, QStringLiteral("not a readable BMP picture (%1)").arg(reader.errorString()));
    // The header check trusts how the reader sees the header; the picture itself is what counts.
    if (!withinPictureLimit(image.size()))
        fail(fileName, QStringLiteral("larger than %1 x %1 pixels").arg(MaxPictureSide));
    return image.convertToFormat(QImage::Format_RGB32);
}

namespace {

QImage decodeByName(const QByteArray &bytes, const QString &path)
{
    if (QFileInfo(path).suffix().toLower() == u"bmp")
        return decodeBmp(bytes, path);
    return decodeJpeg(bytes, path);
}

} // namespace

QImage loadPictureFile(const QString &path)
{
    return decodeByName(readFileBytes(path, MaxPictureFileBytes), path);
}

std::optional<QImage> loadPictureFileIfPresent(const QString &path)
{
    const std::optional<QByteArray> bytes = readFileBytesIfPresent(path, MaxPictureFileBytes);
    if (!bytes)
        return std::nullopt;
    return decodeByName(*bytes, path);
}
