// The language list (la.ini) and the last-language file (last.ini): bytes, text, list lines, and
// the number on the first line as the start-up reads it. Each reader must keep what text_lines.h
// promises of it.
#include "talents/text_lines.h"

#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Valid UTF-8 is read as UTF-8 (a byte order mark at the start dropped); anything else as
// Windows-1251, one character per byte, ASCII as it is.
bool decodedAsPromised(const QByteArray &bytes, const QString &text)
{
    const QByteArray again = text.toUtf8();
    if (again == bytes || (bytes.startsWith("\xEF\xBB\xBF") && "\xEF\xBB\xBF" + again == bytes))
        return true;
    if (text.size() != bytes.size())
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        if (byte < 0x80 && text.at(i).unicode() != byte)
            return false;
    }
    return true;
}

// CR, LF or CR LF end a line, a final line break adds no empty line, nothing is trimmed: the
// lines hold no break, there is one line per break (and one more for text after the last), and
// the lines joined by LF are the text with its breaks made LF and a last one dropped.
bool splitAsPromised(const QString &text, const QStringList &lines)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(u'\r', u'\n');
    const qsizetype breaks = normalised.count(u'\n');
    const bool textAfterLastBreak = !normalised.isEmpty() && !normalised.endsWith(u'\n');
    if (lines.size() != breaks + (textAfterLastBreak ? 1 : 0))
        return false;
    for (const QString &line : lines) {
        if (std::any_of(line.begin(), line.end(), isLineBreak))
            return false;
    }
    if (normalised.endsWith(u'\n'))
        normalised.chop(1);
    return lines.join(u'\n') == normalised;
}

// Nothing of code 32 or below at either end, and what is left is the middle of the text.
bool trimmedAsPromised(const QString &text, const QString &trimmed)
{
    if (!trimmed.isEmpty() && (trimmed.front().unicode() <= 32 || trimmed.back().unicode() <= 32))
        return false;
    const qsizetype at = text.indexOf(trimmed);
    if (at < 0)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if ((i < at || i >= at + trimmed.size()) && text.at(i).unicode() > 32)
            return false;
    }
    return true;
}

// An optional sign and decimal digits that fit 32 bits, and nothing else, give their value.
bool parsedAsPromised(const QString &text, std::optional<int> parsed)
{
    const bool signed_ = !text.isEmpty() && (text.front() == u'+' || text.front() == u'-');
    const QStringView digits = QStringView(text).mid(signed_ ? 1 : 0);
    const bool allDigits =
        !digits.isEmpty() &&
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!allDigits)
        return !parsed;
    // Leading zeros aside, a value of 32 bits has at most ten digits.
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits.at(first) == u'0')
        ++first;
    const QStringView significant = digits.mid(first);
    bool fits = significant.size() <= 10;
    long long value = 0;
    if (fits) {
        for (const QChar c : significant)
            value = value * 10 + (c.unicode() - u'0');
        if (text.front() == u'-')
            value = -value;
        fits = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    }
    return fits ? parsed == static_cast<int>(value) : !parsed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = decodeDataText(bytes);
    if (!decodedAsPromised(bytes, text))
        __builtin_trap();
    const QStringList lines = splitListLines(text);
    if (!splitAsPromised(text, lines))
        __builtin_trap();
    // The first line as the start-up reads last.ini; a message shows at most 60 characters of it.
    const QString first = lines.isEmpty() ? QString() : lines.first();
    const QString trimmed = trimControl(first);
    if (!trimmedAsPromised(first, trimmed) || !parsedAsPromised(trimmed, parseDecimal(trimmed)))
        __builtin_trap();
    if (!parseDecimal(trimmed) && notAnIntegerMessage(first).size() >
                                      QStringLiteral("'' is not a valid integer value").size() + 63)
        __builtin_trap();
    // Every line is parsed too: the fuzzer then reaches parseDecimal with any text it likes.
    for (const QString &line : lines) {
        if (!parsedAsPromised(line, parseDecimal(line)))
            __builtin_trap();
    }
    return 0;
}
