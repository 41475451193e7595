#include "art_file.h"

#include "base/error.h"
#include "talents/talent_table.h"
#include "talents/text_lines.h"

#include <QRegularExpression>

namespace {

class LineReader {
public:
    LineReader(const QString &fileName, int line) : fileName_(fileName), line_(line) {}

    [[noreturn]] void fail(const QString &reason) const
    {
        throw Error(QStringLiteral("%1, line %2: %3").arg(fileName_).arg(line_).arg(reason));
    }

    QColor colour(const QString &text) const
    {
        const auto colour = parseHexColour(text);
        if (!colour)
            fail(QStringLiteral("'%1' is not a colour; write it as #RRGGBB").arg(text));
        return *colour;
    }

    GlyphArt glyphArt(const QString &glyphWord, const QString &colourWord) const
    {
        const auto glyph = glyphFromName(glyphWord);
        if (!glyph)
            fail(QStringLiteral("unknown glyph '%1'").arg(glyphWord));
        return {*glyph, colour(colourWord), line_};
    }

    int slot(const QString &text) const
    {
        const auto slot = parseDecimal(text);
        if (!slot)
            fail(QStringLiteral("'%1' is neither a slot number nor 'palette' or 'emblem'")
                     .arg(text));
        if (!TalentTable::validSlot(*slot))
            fail(QStringLiteral("slot %1 is outside 1 to 44").arg(*slot));
        return *slot;
    }

    void expectWords(const QStringList &words, const QString &shape) const
    {
        if (words.size() != 3)
            fail(QStringLiteral("expected '%1'").arg(shape));
    }

    void once(int firstLine, const QString &what) const
    {
        if (firstLine != 0)
            fail(QStringLiteral("%1 is given twice (first on line %2)").arg(what).arg(firstLine));
    }

private:
    const QString &fileName_;
    int line_;
};

} // namespace

std::optional<QColor> parseHexColour(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (!hex.match(text).hasMatch())
        return std::nullopt;
    return QColor(text);
}

TreeArt parseArtFile(const QString &text, const QString &fileName)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    TreeArt art;
    int paletteLine = 0;
    int emblemLine = 0;
    const QStringList lines = splitListLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const QString line = trimControl(lines.at(i));
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const LineReader reader(fileName, lineNumber);
        const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        const QString &key = words.first();
        if (key == QLatin1String("palette")) {
            reader.expectWords(words, QStringLiteral("palette #dark #light"));
            reader.once(paletteLine, QStringLiteral("the palette"));
            art.dark = reader.colour(words.at(1));
            art.light = reader.colour(words.at(2));
            paletteLine = lineNumber;
        } else if (key == QLatin1String("emblem")) {
            reader.expectWords(words, QStringLiteral("emblem <glyph> #colour"));
            reader.once(emblemLine, QStringLiteral("the emblem"));
            art.emblem = reader.glyphArt(words.at(1), words.at(2));
            emblemLine = lineNumber;
        } else {
            const int slot = reader.slot(key);
            reader.expectWords(words, QStringLiteral("<slot> <glyph> #colour"));
            reader.once(art.talents.value(slot).line, QStringLiteral("slot %1").arg(slot));
            art.talents.insert(slot, reader.glyphArt(words.at(1), words.at(2)));
        }
    }
    if (paletteLine == 0)
        throw Error(QStringLiteral("%1: no 'palette #dark #light' line").arg(fileName));
    if (emblemLine == 0)
        throw Error(QStringLiteral("%1: no 'emblem <glyph> #colour' line").arg(fileName));
    return art;
}
