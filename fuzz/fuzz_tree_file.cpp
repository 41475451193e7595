// A tree file as the class load reads it: bytes, text, lines, talent blocks. The parser reports
// what it cannot read in TreeFile::error and throws nothing.
#include "talents/text_lines.h"
#include "talents/tree_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const TreeFile file =
        parseTreeFile(splitTreeLines(decodeDataText(bytes)), QStringLiteral("tal.en"));
    // Every block the parser returns must be one the board can place.
    for (const TalentBlock &block : file.blocks) {
        if (!TalentTable::validSlot(block.header.slot) || block.header.maxRank < 1 ||
            block.header.maxRank > MaxRankLimit ||
            (block.header.prereq != 0 && !TalentTable::validSlot(block.header.prereq)))
            __builtin_trap();
    }
    if (file.name.size() > TreeNameLength)
        __builtin_trap();
    return 0;
}
