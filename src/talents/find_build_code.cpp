// Reading build codes out of any text a player pastes: chat lines, web addresses, runeplan: links,
// whole pages.
#include "talents/build_code.h"
#include "talents/build_code_format.h"

#include <algorithm>
#include <cctype>

namespace {

bool isCodeSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isPrefixAt(const QString &text, qsizetype at)
{
    const char16_t r = text.at(at).unicode();
    const char16_t b = text.at(at + 1).unicode();
    return (r == u'R' || r == u'r') && (b == u'B' || b == u'b');
}

// The symbols of one candidate, read in place (the text is never copied), whitespace skipped,
// with the checksum of every symbol read so far.
class SymbolReader {
public:
    SymbolReader(const QString &text, qsizetype from) : text_(text), at_(from) {}

    // The next symbol's value, or -1 when the text ends or holds another character first.
    int next()
    {
        while (at_ < text_.size()) {
            const char16_t c = text_.at(at_++).unicode();
            if (isCodeSpace(c)) {
                skippedSpace_ = true;
                continue;
            }
            const int value = codeSymbolValue(c);
            if (value >= 0)
                checksum_ = checksumStep(checksum_, value);
            return value;
        }
        return -1;
    }

    // `symbols` symbols as one number, the most significant first; false when cut short.
    bool readNumber(int symbols, quint32 &number)
    {
        for (int i = 0; i < symbols; ++i) {
            const int value = next();
            if (value < 0)
                return false;
            number = number << 6 | static_cast<quint32>(value);
        }
        return true;
    }

    bool readNumber(int symbols, BigNumber &number)
    {
        for (int i = 0; i < symbols; ++i) {
            const int value = next();
            if (value < 0)
                return false;
            number.multiplyAdd(64, static_cast<quint32>(value));
        }
        return true;
    }

    bool skippedSpace() const { return skippedSpace_; }
    quint32 checksum() const { return checksum_; }

private:
    const QString &text_;
    qsizetype at_;
    bool skippedSpace_ = false;
    quint32 checksum_ = 0;
};

// The order after the ranks, or nothing when it is damaged: a number of `invested.points`
// digits in base `invested.count`, each place appearing as often as its rank.
std::optional<QVector<QPoint>> readOrder(SymbolReader &in, const RankGrid &ranks,
                                         const InvestedPlaces &invested)
{
    BigNumber number;
    if (!in.readNumber(orderSymbols(invested), number))
        return std::nullopt;
    std::array<quint8, PointBudget> digits{};
    for (int i = invested.points - 1; i >= 0; --i)
        digits[i] = static_cast<quint8>(number.divide(static_cast<quint32>(invested.count)));
    if (!number.isZero())
        return std::nullopt; // count^points or more
    std::array<int, PlaceCount> left{};
    for (int k = 0; k < PlaceCount; ++k)
        left[k] = rankAt(ranks, k);
    QVector<QPoint> order;
    order.reserve(invested.points);
    for (int i = 0; i < invested.points; ++i) {
        const int place = invested.places[digits[i]];
        if (left[place]-- == 0)
            return std::nullopt;
        order.append(slotAndTreeOf(place));
    }
    return order;
}

// A newer format is only claimed for "RB" at the start of a word with the format symbol and the
// two letters right after it: "RB" followed by three letters is common inside words ("orbits",
// "turbo mode"), and text without a code must not be taken for one the planner is too old for.
bool looksLikeNewerCode(const QString &text, qsizetype prefixAt, const SymbolReader &in)
{
    return !in.skippedSpace() && (prefixAt == 0 || !text.at(prefixAt - 1).isLetterOrNumber());
}

// The code whose prefix stands at `prefixAt`, or why it is none.
std::variant<BuildCode, BuildCodeError> readCandidate(const QString &text, qsizetype prefixAt)
{
    SymbolReader in(text, prefixAt + 2);
    const int format = in.next();
    const int first = in.next();
    const int second = in.next();
    if (format < 0 || !isLetterValue(first) || !isLetterValue(second))
        return BuildCodeError::NotACode;
    const int version = format / 2;
    if (version > BuildCodeVersion) {
        return looksLikeNewerCode(text, prefixAt, in) ? BuildCodeError::NewerFormat
                                                      : BuildCodeError::NotACode;
    }
    if (version < BuildCodeVersion)
        return BuildCodeError::Damaged;

    BuildCode code;
    const char letters[] = {codeAlphabet[first], codeAlphabet[second]};
    code.classCode = QString::fromLatin1(letters, 2);
    for (quint32 &fingerprint : code.fingerprints) {
        if (!in.readNumber(FingerprintSymbols, fingerprint))
            return BuildCodeError::Damaged;
    }
    BigNumber ranks;
    if (!in.readNumber(RankSymbols, ranks) || !ranksFromNumber(ranks, code.ranks))
        return BuildCodeError::Damaged;
    // Checked before the order is read: its length grows with the points.
    const InvestedPlaces invested = investedPlaces(code.ranks);
    if (invested.points > PointBudget)
        return BuildCodeError::Damaged;
    if (format % 2 == 1) {
        code.order = readOrder(in, code.ranks, invested);
        if (!code.order)
            return BuildCodeError::Damaged;
    }
    // A stored value of the modulus or more never matches.
    const quint32 expected = in.checksum();
    quint32 stored = 0;
    if (!in.readNumber(ChecksumSymbols, stored) || stored != expected)
        return BuildCodeError::Damaged;
    return code;
}

// Whether `error` says more than `failure` of what the text held.
bool tellsMore(BuildCodeError error, BuildCodeError failure)
{
    return error == BuildCodeError::Damaged ||
           (error == BuildCodeError::NewerFormat && failure == BuildCodeError::NotACode);
}

std::variant<BuildCode, BuildCodeError> findInText(const QString &text)
{
    // A code that decodes wins at once; otherwise the most telling failure is told.
    BuildCodeError failure = BuildCodeError::NotACode;
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (!isPrefixAt(text, at))
            continue;
        auto candidate = readCandidate(text, at);
        if (std::holds_alternative<BuildCode>(candidate))
            return candidate;
        if (const BuildCodeError error = std::get<BuildCodeError>(candidate);
            tellsMore(error, failure))
            failure = error;
    }
    return failure;
}

bool isSchemeCharacter(QChar c)
{
    return (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'+' || c == u'-' || c == u'.';
}

// Where a link's text ends in a web page, a forum post or a chat line.
bool endsLink(QChar c)
{
    return c.isSpace() || c == u'"' || c == u'\'' || c == u'<' || c == u'>' || c == u'[' ||
           c == u']' || c == u'(' || c == u')';
}

// The text of a link with its percent-escapes decoded; nothing when one is not two hex digits.
std::optional<QString> percentDecoded(QStringView link)
{
    const QByteArray bytes = link.toUtf8();
    const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    for (qsizetype i = bytes.indexOf('%'); i >= 0; i = bytes.indexOf('%', i + 1)) {
        if (i + 2 >= bytes.size() || !isHex(bytes[i + 1]) || !isHex(bytes[i + 2]))
            return std::nullopt;
    }
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

} // namespace

std::variant<BuildCode, BuildCodeError> findBuildCode(const QString &text)
{
    // A runeplan: link (runeplan://, any case) is read with its percent-escapes decoded, so that a
    // browser's or a forum's escaping of the code does not hide it; the text itself is read as
    // any text is, which finds a code in a link left as it was written.
    // A link is read no further than a code escaped whole could reach, and the search goes on
    // after it: a long text of links without spaces costs one reading, not one a link.
    static const QString scheme = QStringLiteral("runeplan:");
    constexpr qsizetype LinkLimit = 1024;
    BuildCodeError failure = BuildCodeError::NotACode;
    qsizetype end = 0;
    for (qsizetype at = text.indexOf(scheme, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(scheme, std::max(end, at + 1), Qt::CaseInsensitive)) {
        if (at > 0 && isSchemeCharacter(text.at(at - 1)))
            continue;
        end = at + scheme.size();
        while (end < text.size() && end - at < LinkLimit && !endsLink(text.at(end)))
            ++end;
        const auto decoded = percentDecoded(QStringView(text).sliced(at, end - at));
        if (!decoded) {
            end = at + 1; // a link within it may still read
            continue;
        }
        auto found = findInText(*decoded);
        if (std::holds_alternative<BuildCode>(found))
            return found;
        if (const BuildCodeError error = std::get<BuildCodeError>(found); tellsMore(error, failure))
            failure = error;
    }
    auto found = findInText(text);
    if (const auto *error = std::get_if<BuildCodeError>(&found);
        error && !tellsMore(*error, failure))
        return failure;
    return found;
}
