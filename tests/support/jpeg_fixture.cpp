#include "jpeg_fixture.h"

#include <turbojpeg.h>
#include <vector>

namespace {

// CMYK from RGB with no black: good enough for a file that must only be CMYK.
std::vector<unsigned char> cmykPixels(const QImage &rgb)
{
    std::vector<unsigned char> pixels;
    pixels.reserve(static_cast<size_t>(rgb.width()) * rgb.height() * 4);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            pixels.push_back(static_cast<unsigned char>(255 - qRed(p)));
            pixels.push_back(static_cast<unsigned char>(255 - qGreen(p)));
            pixels.push_back(static_cast<unsigned char>(255 - qBlue(p)));
            pixels.push_back(0);
        }
    }
    return pixels;
}

// Compresses pixels at full chroma resolution; empty when the encoder fails.
QByteArray compress(const unsigned char *pixels, int width, int pitch, int height, int pixelFormat,
                    int quality, int flags)
{
    tjhandle handle = tjInitCompress();
    if (!handle)
        return {};
    unsigned char *jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int rc = tjCompress2(handle, pixels, width, pitch, height, pixelFormat, &jpeg, &jpegSize,
                               TJSAMP_444, quality, flags);
    QByteArray bytes;
    if (rc == 0)
        bytes = QByteArray(reinterpret_cast<const char *>(jpeg), static_cast<qsizetype>(jpegSize));
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

} // namespace

QByteArray encodeJpeg(const QImage &picture, JpegColours colours, int quality)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return {};
    if (colours == JpegColours::Cmyk) {
        const std::vector<unsigned char> pixels = cmykPixels(rgb);
        return compress(pixels.data(), rgb.width(), rgb.width() * 4, rgb.height(), TJPF_CMYK,
                        quality, 0);
    }
    return compress(rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()),
                    rgb.height(), TJPF_BGRX, quality, 0);
}

QByteArray encodeProgressiveJpeg(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return {};
    return compress(rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()),
                    rgb.height(), TJPF_BGRX, 95, TJFLAG_PROGRESSIVE);
}

QByteArray withDeclaredSize(const QByteArray &jpeg, int width, int height)
{
    // A baseline frame header: FF C0, length (2), precision (1), height (2), width (2).
    const qsizetype marker = jpeg.indexOf(QByteArrayLiteral("\xFF\xC0"));
    if (marker < 0 || marker + 9 > jpeg.size() || jpeg.at(marker + 4) != 8)
        return {};
    QByteArray patched = jpeg;
    patched[marker + 5] = static_cast<char>((height >> 8) & 0xFF);
    patched[marker + 6] = static_cast<char>(height & 0xFF);
    patched[marker + 7] = static_cast<char>((width >> 8) & 0xFF);
    patched[marker + 8] = static_cast<char>(width & 0xFF);
    return patched;
}
