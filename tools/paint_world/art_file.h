#pragma once

#include "glyphs.h"

#include <QColor>
#include <QMap>
#include <QString>

// A glyph in a colour: what a talent icon or a tree emblem shows.
struct GlyphArt {
    Glyph glyph = Glyph::Star;
    QColor colour;
    int line = 0; // line of art.txt that gave it, from 1
};

// The pictures of one tree as art.txt describes them:
//   palette #dark #light       the background's two tones
//   emblem <glyph> #colour     the tree's emblem
//   <slot> <glyph> #colour     one line per talent
// Lines starting with '#' are comments; blank lines are skipped; words are separated by blanks.
struct TreeArt {
    QColor dark;
    QColor light;
    GlyphArt emblem;
    QMap<int, GlyphArt> talents; // by slot
};

// Reads art.txt. Throws Error naming the file and the line for an unknown glyph, a bad colour, a
// slot outside 1 to 44, a line given twice or a line of the wrong shape, and naming the file when
// the palette or the emblem line is missing.
TreeArt parseArtFile(const QString &text, const QString &fileName);

// "#RRGGBB" with six hexadecimal digits, nothing else.
std::optional<QColor> parseHexColour(const QString &text);
