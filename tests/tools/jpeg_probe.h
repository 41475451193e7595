#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

// What the painter's JPEG files say about themselves, read with TurboJPEG (never an image
// plugin), for checks of sizes and sampling.
struct JpegProbe {
    int width = 0;
    int height = 0;
    bool fullChroma = false; // 4:4:4
};

std::optional<JpegProbe> probeJpeg(const QByteArray &bytes);

// The decoded picture, or a null image when the bytes are no JPEG.
QImage decodeJpegForTest(const QByteArray &bytes);
