#pragma once

#include <QImage>
#include <QtGlobal>

class ImageControl;

// The grey of one colour value 0x00BBGGRR: 0.56 red + 0.33 green + 0.11 blue, rounded half to
// even, in all three channels.
quint32 GreyColor(quint32 colour);

// Turns a picture grey in place, pixel by pixel with GreyColor.
void greyPicture(QImage &picture);

// Turns an image control's own picture grey; any copy of it elsewhere keeps its colours.
void GreyImage(ImageControl &image);
