// The language list (la.ini) and the last-language file (last.ini): bytes, text, list lines, and
// the number on the first line as the start-up reads it.
#include "talents/text_lines.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList lines = splitListLines(decodeDataText(bytes));
    const QString first = lines.isEmpty() ? QString() : lines.first();
    if (!parseDecimal(trimControl(first)))
        (void)notAnIntegerMessage(first);
    // Every line is parsed too: the fuzzer then reaches parseDecimal with any text it likes.
    for (const QString &line : lines)
        (void)parseDecimal(line);
    return 0;
}
