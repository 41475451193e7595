#pragma once

#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <optional>

// The pictures that art.txt can put on a talent icon or a tree emblem.
enum class Glyph {
    Flame,
    Drop,
    Leaf,
    Shield,
    Sword,
    Star,
    Moon,
    Sun,
    Eye,
    Hand,
    Skull,
    Bolt,
    Arrow,
    Wave,
    Crown,
    Feather,
    Paw,
    Claw,
    Heart,
    Gear,
    Spiral,
    Tower,
    Axe,
    Bow,
    Orb,
    Snowflake,
    Mountain,
    Tree,
    Wing,
    Fang,
    Chain,
    Hourglass,
    Mask,
    Book,
    Potion,
    Rune,
    // Not a glyph: the number of glyphs. Kept last, so the glyph table can check that it has a
    // row for each one.
    Count,
};

// A glyph as three filled layers in a 100 × 100 box (y grows downwards). The painter fills the
// body in the glyph's colour, then the shade in a dark tone of it and the light in a pale one, so
// a single colour still gives a picture with depth.
struct GlyphShape {
    QPainterPath body;
    QPainterPath shade;
    QPainterPath light;

    QRectF bounds() const;
};

// The word art.txt uses for a glyph, and back. Words are lower case and matched exactly.
QString glyphName(Glyph glyph);
std::optional<Glyph> glyphFromName(const QString &name);

// Every glyph, in the order of the enumeration.
const QVector<Glyph> &allGlyphs();

GlyphShape glyphShape(Glyph glyph);
