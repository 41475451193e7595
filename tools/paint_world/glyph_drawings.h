#pragma once

#include "glyphs.h"

// One drawing for each glyph. Callers go through glyphShape(): the table in glyphs.cpp is the
// only place that ties a drawing to its enumerator and its word in art.txt.
namespace glyph_drawing {

// Nature, the sky and living things (glyph_drawings_nature.cpp).
GlyphShape flame();
GlyphShape drop();
GlyphShape leaf();
GlyphShape star();
GlyphShape moon();
GlyphShape sun();
GlyphShape eye();
GlyphShape hand();
GlyphShape skull();
GlyphShape bolt();
GlyphShape wave();
GlyphShape feather();
GlyphShape paw();
GlyphShape claw();
GlyphShape heart();
GlyphShape spiral();
GlyphShape snowflake();
GlyphShape mountain();
GlyphShape tree();
GlyphShape wing();
GlyphShape fang();

// Things made by hand: arms, tools, buildings and signs (glyph_drawings_crafted.cpp).
GlyphShape shield();
GlyphShape sword();
GlyphShape arrow();
GlyphShape crown();
GlyphShape gear();
GlyphShape tower();
GlyphShape axe();
GlyphShape bow();
GlyphShape orb();
GlyphShape chain();
GlyphShape hourglass();
GlyphShape mask();
GlyphShape book();
GlyphShape potion();
GlyphShape rune();

} // namespace glyph_drawing
