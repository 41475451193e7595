#pragma once

#include <QByteArray>
#include <QImage>

// How the colour of a JPEG is sampled. Small pictures keep full colour detail: at 45 × 43 pixels a
// halved chroma would smear the glyph's coloured edges.
enum class ChromaSampling { Full444, Half420 };

inline constexpr int PaintJpegQuality = 92;

// Encodes the picture as a baseline JPEG through TurboJPEG. The same picture always gives the same
// bytes. Throws Error with TurboJPEG's message when encoding fails.
QByteArray compressJpeg(const QImage &image, ChromaSampling sampling = ChromaSampling::Full444,
                        int quality = PaintJpegQuality);
