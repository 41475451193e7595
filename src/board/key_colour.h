#pragma once

#include <QImage>

// The picture with one colour left out, as the arrow pieces are drawn: every pixel of the colour
// of its lower-left pixel becomes transparent. ARGB32; a null picture stays null.
QImage withoutKeyColour(const QImage &picture);
