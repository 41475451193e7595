#pragma once

#include <QImage>
#include <QString>

// What the band under a build's picture says: who the build is for and how to load it.
struct PictureBand {
    QString heading; // the class, its level and the points per tree, on one line
    QString code;    // the build code, in full
};

// The trees' picture with a black band under it as wide as the picture: the heading in bold
// Tahoma 10 pt gold, elided when it would not fit, and under it the code in Tahoma 8 pt white,
// broken over as many lines as it needs to stay whole within the picture. `trees` is painted at
// `scale`; the band is laid out at 1x and painted at the same scale.
QImage withBand(const QImage &trees, const PictureBand &band, int scale);

// The band's height at 1x under a picture `width` pixels wide at 1x.
int bandHeight(const PictureBand &band, int width);
