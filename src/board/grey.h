#pragma once

#include <QImage>
#include <QtGlobal>

// The grey of one colour value 0x00BBGGRR: 0.56 red + 0.33 green + 0.11 blue, rounded half to
// even, in all three channels.
quint32 greyOf(quint32 colour);

// The picture in grey, pixel by pixel with greyOf; the picture given keeps its colours.
QImage greyed(const QImage &picture);
