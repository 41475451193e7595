#include "glyphs.h"

#include "glyph_drawings.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace {

struct GlyphRow {
    Glyph glyph;
    const char *name;
    GlyphShape (*draw)();
};

namespace draw = glyph_drawing;

// Row k holds enumerator k, so a glyph finds its row by its value.
constexpr auto glyphTable = std::to_array<GlyphRow>({
    {Glyph::Flame, "flame", draw::flame},
    {Glyph::Drop, "drop", draw::drop},
    {Glyph::Leaf, "leaf", draw::leaf},
    {Glyph::Shield, "shield", draw::shield},
    {Glyph::Sword, "sword", draw::sword},
    {Glyph::Star, "star", draw::star},
    {Glyph::Moon, "moon", draw::moon},
    {Glyph::Sun, "sun", draw::sun},
    {Glyph::Eye, "eye", draw::eye},
    {Glyph::Hand, "hand", draw::hand},
    {Glyph::Skull, "skull", draw::skull},
    {Glyph::Bolt, "bolt", draw::bolt},
    {Glyph::Arrow, "arrow", draw::arrow},
    {Glyph::Wave, "wave", draw::wave},
    {Glyph::Crown, "crown", draw::crown},
    {Glyph::Feather, "feather", draw::feather},
    {Glyph::Paw, "paw", draw::paw},
    {Glyph::Claw, "claw", draw::claw},
    {Glyph::Heart, "heart", draw::heart},
    {Glyph::Gear, "gear", draw::gear},
    {Glyph::Spiral, "spiral", draw::spiral},
    {Glyph::Tower, "tower", draw::tower},
    {Glyph::Axe, "axe", draw::axe},
    {Glyph::Bow, "bow", draw::bow},
    {Glyph::Orb, "orb", draw::orb},
    {Glyph::Snowflake, "snowflake", draw::snowflake},
    {Glyph::Mountain, "mountain", draw::mountain},
    {Glyph::Tree, "tree", draw::tree},
    {Glyph::Wing, "wing", draw::wing},
    {Glyph::Fang, "fang", draw::fang},
    {Glyph::Chain, "chain", draw::chain},
    {Glyph::Hourglass, "hourglass", draw::hourglass},
    {Glyph::Mask, "mask", draw::mask},
    {Glyph::Book, "book", draw::book},
    {Glyph::Potion, "potion", draw::potion},
    {Glyph::Rune, "rune", draw::rune},
});

constexpr bool rowsFollowTheEnumeration()
{
    for (std::size_t k = 0; k < glyphTable.size(); ++k) {
        if (glyphTable[k].glyph != static_cast<Glyph>(k))
            return false;
    }
    return true;
}

// A copied row whose word was not changed would make one of the two glyphs unreachable from
// art.txt.
constexpr bool wordsAreDistinct()
{
    for (std::size_t i = 0; i < glyphTable.size(); ++i) {
        for (std::size_t j = i + 1; j < glyphTable.size(); ++j) {
            if (std::string_view(glyphTable[i].name) == glyphTable[j].name)
                return false;
        }
    }
    return true;
}

static_assert(glyphTable.size() == static_cast<std::size_t>(Glyph::Count),
              "every glyph needs a row in the glyph table");
static_assert(rowsFollowTheEnumeration(), "the glyph table must follow the enumeration's order");
static_assert(wordsAreDistinct(), "two glyphs share a word");

// Glyph::Count and values cast from stray integers have no row.
const GlyphRow *rowOf(Glyph glyph)
{
    const auto k = static_cast<std::size_t>(glyph);
    return k < glyphTable.size() ? &glyphTable[k] : nullptr;
}

} // namespace

QRectF GlyphShape::bounds() const
{
    return body.boundingRect().united(light.boundingRect());
}

QString glyphName(Glyph glyph)
{
    const GlyphRow *row = rowOf(glyph);
    return row ? QString::fromLatin1(row->name) : QString();
}

std::optional<Glyph> glyphFromName(const QString &name)
{
    for (const GlyphRow &row : glyphTable) {
        if (name == QLatin1String(row.name))
            return row.glyph;
    }
    return std::nullopt;
}

const QVector<Glyph> &allGlyphs()
{
    static const QVector<Glyph> glyphs = [] {
        QVector<Glyph> list;
        for (const GlyphRow &row : glyphTable)
            list.append(row.glyph);
        return list;
    }();
    return glyphs;
}

GlyphShape glyphShape(Glyph glyph)
{
    const GlyphRow *row = rowOf(glyph);
    return row ? row->draw() : GlyphShape();
}
