#include "datafolder/jpeg_scans.h"

#include <cstring>

namespace {
constexpr unsigned char MarkerPrefix = 0xFF;
constexpr unsigned char StuffedZero = 0x00; // 0xFF 0x00 is a data byte 0xFF in coded data
constexpr unsigned char Temporary = 0x01;
constexpr unsigned char FirstRestart = 0xD0;
constexpr unsigned char LastRestart = 0xD7;
constexpr unsigned char StartOfImage = 0xD8;
constexpr unsigned char EndOfImage = 0xD9;
constexpr unsigned char StartOfScan = 0xDA;
constexpr unsigned char BaselineFrame = 0xC0;
constexpr unsigned char ExtendedFrame = 0xC1;
constexpr unsigned char HuffmanTables = 0xC4;
constexpr unsigned char ArithmeticConditioning = 0xCC;
constexpr unsigned char OtherFrameType = 0xC8; // reserved, not a frame
constexpr unsigned char LastFrameType = 0xCF;

bool isFrameHeader(unsigned char code)
{
    return code >= BaselineFrame && code <= LastFrameType && code != HuffmanTables &&
           code != OtherFrameType && code != ArithmeticConditioning;
}

// Markers that stand alone: no length and no contents follow them.
bool standsAlone(unsigned char code)
{
    return code == StuffedZero || code == Temporary || code == StartOfImage ||
           (code >= FirstRestart && code <= LastRestart);
}
} // namespace

int countJpegScans(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    int scans = 0;
    qsizetype i = 0;
    while (i < size) {
        // Anything that is not a marker (coded data, stray bytes) is passed over, with the
        // library's fast search: coded data is most of every file.
        const void *prefix = std::memchr(data + i, MarkerPrefix, static_cast<size_t>(size - i));
        if (!prefix)
            break;
        i = static_cast<const unsigned char *>(prefix) - data + 1;
        while (i < size && data[i] == MarkerPrefix)
            ++i;
        if (i == size)
            break;
        const unsigned char code = data[i++];
        if (code == EndOfImage)
            break;
        if (standsAlone(code))
            continue;
        if (code == StartOfScan)
            ++scans;
        // Skip the contents by their length, which counts its own two bytes. Every step moves on,
        // so a bad length cannot hold the count in place.
        if (i + 2 > size)
            break;
        i += (qsizetype{data[i]} << 8) | data[i + 1];
    }
    return scans;
}

bool jpegDecodesInOneScan(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 2 || data[0] != MarkerPrefix || data[1] != StartOfImage)
        return false;
    int frameComponents = 0; // 0: no frame header seen yet
    qsizetype i = 2;
    for (;;) {
        // Every segment starts right after the last one, with a marker (fill bytes allowed).
        if (i >= size || data[i] != MarkerPrefix)
            return false;
        while (i < size && data[i] == MarkerPrefix)
            ++i;
        if (i + 3 > size)
            return false;
        const unsigned char code = data[i];
        const qsizetype length = (qsizetype{data[i + 1]} << 8) | data[i + 2];
        const qsizetype contents = i + 3; // the segment's bytes after its length
        if (standsAlone(code) || code == EndOfImage || length < 2 || i + 1 + length > size)
            return false;
        if (isFrameHeader(code)) {
            // Sample precision, height and width, then the number of components.
            const bool sequential = code == BaselineFrame || code == ExtendedFrame;
            if (!sequential || frameComponents != 0 || length < 8)
                return false;
            frameComponents = data[contents + 5];
            if (frameComponents == 0)
                return false;
        } else if (code == StartOfScan) {
            return frameComponents != 0 && length >= 3 && data[contents] == frameComponents;
        }
        i += 1 + length;
    }
}
