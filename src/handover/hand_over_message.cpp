#include "handover/hand_over_message.h"

#include "base/error.h"

#include <QStringDecoder>

namespace {

constexpr char Header[] = "runeplan-hand-over 1 ";
constexpr qsizetype HeaderSize = sizeof(Header) - 1;
// The most digits a length within the limit takes: "65536".
constexpr qsizetype LengthDigits = 5;

[[noreturn]] void refuse(const char *why)
{
    throw Error(QStringLiteral("refused a hand-over: %1").arg(QLatin1String(why)));
}

} // namespace

QByteArray handOverMessage(const QString &argument)
{
    const QByteArray text = argument.toUtf8();
    return QByteArray(Header) + QByteArray::number(text.size()) + '\n' + text;
}

std::optional<QString> readHandOver(const QByteArray &received)
{
    if (!QByteArray(Header).startsWith(received.left(HeaderSize)))
        refuse("not a message of the planner");
    if (received.size() <= HeaderSize)
        return std::nullopt;
    const qsizetype lineEnd = received.indexOf('\n', HeaderSize);
    const qsizetype digitsEnd = lineEnd < 0 ? received.size() : lineEnd;
    const QByteArray digits = received.mid(HeaderSize, digitsEnd - HeaderSize);
    if (digits.size() > LengthDigits)
        refuse("a length over the limit");
    for (const char c : digits) {
        if (c < '0' || c > '9')
            refuse("a length that is not a number");
    }
    if (lineEnd < 0)
        return std::nullopt;
    if (digits.isEmpty() || (digits.size() > 1 && digits.startsWith('0')))
        refuse("a length that is not a number");
    const qsizetype length = digits.toLongLong();
    if (length > HandOverLimit)
        refuse("a length over the limit");
    const qsizetype have = received.size() - lineEnd - 1;
    if (have < length)
        return std::nullopt;
    if (have > length)
        refuse("more than the length announced");
    const QByteArray text = received.mid(lineEnd + 1);
    if (text.contains('\0'))
        refuse("a NUL in the text");
    // A byte-order mark is part of the text: the argument arrives as it was sent.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString argument = decoder(text);
    if (decoder.hasError())
        refuse("text that is not UTF-8");
    return argument;
}
