#include "jpeg_writer.h"

#include "base/error.h"

#include <memory>
#include <turbojpeg.h>

namespace {

struct HandleCloser {
    void operator()(void *handle) const { tjDestroy(handle); }
};
using CompressHandle = std::unique_ptr<void, HandleCloser>;

struct BufferFreer {
    void operator()(unsigned char *buffer) const { tjFree(buffer); }
};
using JpegBuffer = std::unique_ptr<unsigned char, BufferFreer>;

} // namespace

QByteArray compressJpeg(const QImage &image, ChromaSampling sampling, int quality)
{
    if (image.isNull())
        throw Error(QStringLiteral("cannot encode an empty picture as JPEG"));
    // RGB32 keeps each pixel as the 32-bit value 0xffRRGGBB, so its byte order follows the CPU's.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int pixelFormat = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;
    const int subsampling = sampling == ChromaSampling::Full444 ? TJSAMP_444 : TJSAMP_420;

    const CompressHandle handle(tjInitCompress());
    if (!handle)
        throw Error(QStringLiteral("cannot start the JPEG encoder: %1")
                        .arg(QString::fromLocal8Bit(tjGetErrorStr2(nullptr))));
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    const int result = tjCompress2(handle.get(), rgb.constBits(), rgb.width(),
                                   static_cast<int>(rgb.bytesPerLine()), rgb.height(), pixelFormat,
                                   &out, &outSize, subsampling, quality, TJFLAG_ACCURATEDCT);
    const JpegBuffer owned(out);
    if (result != 0)
        throw Error(QStringLiteral("cannot encode a %1 × %2 picture as JPEG: %3")
                        .arg(rgb.width())
                        .arg(rgb.height())
                        .arg(QString::fromLocal8Bit(tjGetErrorStr2(handle.get()))));
    return QByteArray(reinterpret_cast<const char *>(out), static_cast<qsizetype>(outSize));
}
