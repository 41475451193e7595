#pragma once

#include "glyphs.h"

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QTransform>

// The transform that puts a glyph's 100 × 100 drawing into `target`, as large as it fits without
// changing its proportions, centred.
QTransform glyphPlacement(const GlyphShape &shape, const QRectF &target);

// Draws a glyph as an engraved, lit piece: a soft drop shadow, the body in a top-to-bottom
// gradient of `colour`, the shade and light layers, a dark outline and a gloss on its upper part.
void drawGlyph(QPainter &painter, const GlyphShape &shape, const QRectF &target,
               const QColor &colour);
