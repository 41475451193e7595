#include "talents/tree_file.h"

#include "base/error.h"
#include "base/read_file.h"
#include "talents/text_lines.h"

namespace {

class HeaderReader {
public:
    HeaderReader(QString fileName, int line, QString header)
        : fileName_(std::move(fileName)), line_(line), header_(std::move(header))
    {
    }

    [[noreturn]] void fail(const QString &reason) const
    {
        throw Error(
            QStringLiteral("%1, line %2: %3").arg(fileName_, QString::number(line_), reason));
    }

    // The text up to the first space, trimmed; the rest after that space goes back in `rest`.
    QString takeWord(QString &rest) const
    {
        const qsizetype space = rest.indexOf(u' ');
        if (space < 0) {
            // No space at all: there is no word before one. Name the whole header, since the
            // empty word would tell the user nothing.
            fail(QStringLiteral("malformed talent header '%1'").arg(shortenedForMessage(header_)));
        }
        const QString word = trimControl(rest.left(space));
        rest = trimControl(rest.mid(space + 1));
        return word;
    }

    int number(const QString &text) const
    {
        const auto value = parseDecimal(text);
        if (!value)
            fail(notAnIntegerMessage(text));
        return *value;
    }

    void check(bool ok, const QString &what, int value, const QString &range) const
    {
        if (!ok)
            fail(QStringLiteral("%1 %2 is outside %3").arg(what).arg(value).arg(range));
    }

private:
    QString fileName_;
    int line_;
    QString header_;
};

} // namespace

TalentHeader parseTalentHeader(const QString &trimmedLine, const QString &fileName, int lineNumber)
{
    const HeaderReader reader(fileName, lineNumber, trimmedLine);
    QString rest = trimmedLine.mid(1); // drop the '#'
    TalentHeader h;
    h.slot = reader.number(reader.takeWord(rest));
    if (rest.size() < 2) {
        h.maxRank = reader.number(rest);
    } else {
        h.maxRank = reader.number(reader.takeWord(rest));
        h.prereq = reader.number(rest);
    }
    reader.check(TalentTable::validSlot(h.slot), QStringLiteral("slot"), h.slot,
                 QStringLiteral("1 to 44"));
    reader.check(h.maxRank >= 1 && h.maxRank <= MaxRankLimit, QStringLiteral("number of ranks"),
                 h.maxRank, QStringLiteral("1 to 5"));
    reader.check(h.prereq == 0 || TalentTable::validSlot(h.prereq), QStringLiteral("prerequisite"),
                 h.prereq, QStringLiteral("0 and 1 to 44"));
    return h;
}

TreeFile parseTreeFile(const QStringList &lines, const QString &fileName)
{
    TreeFile file;
    qsizetype next = 0;
    // Lines past the end of the file read as empty texts.
    auto readLine = [&]() -> QString { return next < lines.size() ? lines.at(next++) : QString(); };

    file.name = readLine().left(TreeNameLength);
    while (next < lines.size()) {
        const int lineNumber = static_cast<int>(next) + 1;
        const QString line = trimControl(readLine());
        if (line == EndOfTalentsMarker)
            break;
        if (!line.startsWith(u'#'))
            continue;
        TalentBlock block;
        block.line = lineNumber;
        try {
            block.header = parseTalentHeader(line, fileName, lineNumber);
        } catch (const Error &e) {
            file.error = e.message();
            break;
        }
        block.name = readLine();
        for (int k = 1; k <= block.header.maxRank; ++k)
            block.rankText[static_cast<size_t>(k)] = readLine();
        file.blocks.append(block);
    }
    return file;
}

TreeFile readTreeFile(const QString &path)
{
    return parseTreeFile(splitTreeLines(decodeDataText(readFileBytes(path, MaxDataTextBytes))),
                         path);
}

void storeTalentBlock(Talent &talent, const TalentBlock &block)
{
    talent.maxRank = block.header.maxRank;
    talent.prereq = block.header.prereq;
    talent.name = block.name;
    for (int k = 1; k <= talent.maxRank; ++k)
        talent.rankText[static_cast<size_t>(k)] = block.rankText[static_cast<size_t>(k)];
}
