#include "talents/text_lines.h"

#include "base/read_file.h"

#include <QStringDecoder>
#include <limits>

QString decodeDataText(const QByteArray &bytes)
{
    // Stateless: a multi-byte sequence cut off at the end counts as an error, not as text to wait
    // for.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder legacy("windows-1251");
    return legacy.decode(bytes);
}

QStringList splitListLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList splitTreeLines(const QString &text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = n;
        QString line = text.mid(start, end - start);
        line.remove(u'\r');
        lines.append(std::move(line));
        start = end + 1;
    }
    return lines;
}

QString trimControl(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

std::optional<int> parseDecimal(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    bool negative = false;
    if (text.at(0) == u'+' || text.at(0) == u'-') {
        negative = text.at(0) == u'-';
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > 2147483648LL)
            return std::nullopt; // too large for 32 bits whatever follows
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

QString shortenedForMessage(const QString &text)
{
    constexpr qsizetype shown = 60;
    return text.size() > shown ? text.left(shown) + QStringLiteral("...") : text;
}

QString notAnIntegerMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(shortenedForMessage(text));
}

QStringList readListFile(const QString &path)
{
    return splitListLines(decodeDataText(readFileBytes(path, MaxDataTextBytes)));
}
