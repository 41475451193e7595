#pragma once

#include <QImage>
#include <QtGlobal>

class ImageControl;

// The grey of one colour value 0x00BBGGRR: 0.56 red + 0.33 green + 0.11 blue, rounded half to
// even, in all three channels.
quint32 greyOf(quint32 colour);

// Turns a picture grey in place, pixel by pixel with greyOf.
void greyPicture(QImage &picture);

// Turns an image control's own picture grey; any copy of it elsewhere keeps its colours.
void greyIcon(ImageControl &image);
