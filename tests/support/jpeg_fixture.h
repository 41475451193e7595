#pragma once

#include <QByteArray>
#include <QImage>

// JPEG files of known content for the picture tests, written with TurboJPEG so that the tests
// never depend on an image plugin.

enum class JpegColours {
    Rgb,  // an ordinary colour JPEG, full chroma resolution
    Cmyk, // four-channel CMYK (stored as YCCK), which the planner cannot show
};

// Encodes a picture as JPEG bytes; empty when the encoder fails.
QByteArray encodeJpeg(const QImage &picture, JpegColours colours = JpegColours::Rgb,
                      int quality = 95);

// A progressive JPEG of the picture (full chroma resolution), in the encoder's usual ten scans.
QByteArray encodeProgressiveJpeg(const QImage &picture);

// The same JPEG with the width and height of its baseline frame header changed, the pixel data
// left as it is: a file that claims another size. Empty when there is no baseline header.
QByteArray withDeclaredSize(const QByteArray &jpeg, int width, int height);
