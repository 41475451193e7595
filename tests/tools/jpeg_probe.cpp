#include "jpeg_probe.h"

#include <turbojpeg.h>

std::optional<JpegProbe> probeJpeg(const QByteArray &bytes)
{
    tjhandle handle = tjInitDecompress();
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourspace = 0;
    const int result = tjDecompressHeader3(
        handle, reinterpret_cast<const unsigned char *>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()), &width, &height, &subsampling, &colourspace);
    tjDestroy(handle);
    if (result != 0)
        return std::nullopt;
    return JpegProbe{width, height, subsampling == TJSAMP_444};
}

QImage decodeJpegForTest(const QByteArray &bytes)
{
    const auto probe = probeJpeg(bytes);
    if (!probe)
        return {};
    QImage image(probe->width, probe->height, QImage::Format_RGB32);
    tjhandle handle = tjInitDecompress();
    const int pixelFormat = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;
    const int result =
        tjDecompress2(handle, reinterpret_cast<const unsigned char *>(bytes.constData()),
                      static_cast<unsigned long>(bytes.size()), image.bits(), image.width(),
                      static_cast<int>(image.bytesPerLine()), image.height(), pixelFormat, 0);
    tjDestroy(handle);
    return result == 0 ? image : QImage();
}
