// Build codes as the planner finds them in pasted text: any bytes, taken as UTF-8 and as Latin-1
// text. A code found must be a plan the format can hold, and must come back the same when written
// again and read back.
#include "talents/build_code.h"

#include <cstddef>
#include <cstdint>

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Two letters, ranks 0..5 within the budget, 18-bit fingerprints, and an order (when there is
// one) that spends every rank once on a slot holding it.
bool holdsAPlan(const BuildCode &code)
{
    if (code.classCode.size() != 2 || !isAsciiLetter(code.classCode[0]) ||
        !isAsciiLetter(code.classCode[1]))
        return false;
    for (const quint32 fingerprint : code.fingerprints) {
        if (fingerprint >= (1u << 18))
            return false;
    }
    RankGrid left = code.ranks;
    int total = 0;
    for (const auto &tree : code.ranks) {
        for (const int rank : tree) {
            if (rank < 0 || rank > MaxRankLimit)
                return false;
            total += rank;
        }
    }
    if (total > PointBudget)
        return false;
    if (!code.order)
        return true;
    if (code.order->size() != total)
        return false;
    for (const QPoint &point : *code.order) {
        if (!TalentTable::validSlot(point.x()) || !TalentTable::validTree(point.y()) ||
            left[point.y() - 1][point.x() - 1]-- == 0)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto *bytes = reinterpret_cast<const char *>(data);
    const auto length = static_cast<qsizetype>(size);
    for (const QString &text :
         {QString::fromUtf8(bytes, length), QString::fromLatin1(bytes, length)}) {
        const auto found = findBuildCode(text);
        const BuildCode *code = std::get_if<BuildCode>(&found);
        if (!code)
            continue;
        if (!holdsAPlan(*code))
            __builtin_trap();
        const QString again = encodeBuildCode(*code);
        const auto back = findBuildCode(again);
        if (again.size() > 149 || !std::holds_alternative<BuildCode>(back) ||
            std::get<BuildCode>(back) != *code)
            __builtin_trap();
    }
    return 0;
}
