#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <cstdint>

// libFuzzer is guided by the coverage of the code built with it, and the picture decoders are the
// system's, built without it: on its own the fuzzer cannot tell an input that reaches a new place
// inside the decoder from one that does not. Each distinct outcome the target can observe (an error
// text, a picture's kind and size class) bumps a counter in the section libFuzzer reads as extra
// coverage, so such inputs are kept and mutated further.
namespace outcome {

inline constexpr std::size_t CounterCount = 4096;

// One copy per target: each target includes this from its one source file.
__attribute__((used, section("__libfuzzer_extra_counters"))) static uint8_t counters[CounterCount];

inline void count(const QByteArray &key)
{
    uint8_t &counter = counters[qHash(key) % CounterCount];
    if (counter < 255)
        ++counter;
}

// An error text without its digits: "12 extraneous bytes" and "13 extraneous bytes" are one
// outcome.
inline void countError(const QString &message)
{
    QByteArray key = message.toUtf8();
    key.removeIf([](char c) { return c >= '0' && c <= '9'; });
    count(key);
}

// Sizes by their power of two, so that 17 and 18 pixels are one outcome and 3000 another.
inline int sizeClass(int side)
{
    int bits = 0;
    for (long long s = side < 0 ? -static_cast<long long>(side) : side; s > 0; s >>= 1)
        ++bits;
    return side < 0 ? -bits : bits;
}

// A decoded picture must be usable by the board and within the size limit; anything else is a
// finding. Its size class is counted as an outcome.
inline void checkDecoded(const QImage &image, int maxSide)
{
    if (image.isNull() || image.format() != QImage::Format_RGB32 || image.width() > maxSide ||
        image.height() > maxSide)
        __builtin_trap();
    count(QByteArrayLiteral("decoded ") + QByteArray::number(sizeClass(image.width())) + ' ' +
          QByteArray::number(sizeClass(image.height())));
}

} // namespace outcome
