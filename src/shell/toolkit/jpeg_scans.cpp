#include "jpeg_scans.h"

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
