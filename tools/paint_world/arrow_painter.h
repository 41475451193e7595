#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QVector>

// The arrow pieces the board places between a talent and its prerequisite, named by where the
// prerequisite stands: d1/d2/d3 one to three rows straight above, r1 left in the same row, l1
// right in the same row, b1 one row up and one column left, a1 one row up and one column right.
// Each piece is placed against the dependant talent's icon (left L, top T, 45 × 43):
//   d1 at (L + 12, T - 21), d2 at (L + 12, T - 85), d3 at (L + 12, T - 149),
//   r1 at (L - 25, T + 11), l1 at (L, T + 11), b1 at (L - 28, T - 51), a1 at (L + 22, T - 51).
enum class ArrowPiece { D1, D2, D3, R1, L1, B1, A1 };

// Locked (w: requirements not met), open (g: may take a point), taken (y: has points).
enum class ArrowVariant { Locked, Open, Taken };

// The board does not draw pixels of the colour of a bitmap's lower left pixel; arrows are
// painted on this magenta and never use it themselves.
inline constexpr QRgb ArrowTransparentKey = qRgb(255, 0, 255);

const QVector<ArrowPiece> &allArrowPieces();
const QVector<ArrowVariant> &allArrowVariants();

// "d1w.bmp" and so on.
QString arrowFileName(ArrowPiece piece, ArrowVariant variant);

QSize arrowSize(ArrowPiece piece);

// The piece in the variant's colour on the transparent key, as a 24-bit-ready RGB32 picture.
QImage paintArrow(ArrowPiece piece, ArrowVariant variant);
