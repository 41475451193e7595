// A plan file as the Load button reads it: the text, the class index, then the ranks against a
// fixed class. Error is the expected way to refuse a plan; a plan accepted must be one the board
// can show, and must come back the same when written as Save writes it and read again, the
// written bytes in the plan format (plan_file.h): the class index, then 44 digits per tree, each
// line ended by CR LF.
#include "base/error.h"
#include "build/plan_file.h"

#include <cstddef>
#include <cstdint>

namespace {
// A class with talents on most slots and every number of ranks, so that the fuzzer reaches the
// rank checks and the budget.
const ClassLayout &layout()
{
    static const ClassLayout fixed = [] {
        ClassLayout l;
        for (int tree = 1; tree <= TreeCount; ++tree) {
            for (int slot = 1; slot <= SlotsPerTree; ++slot) {
                if ((slot + tree) % 3 != 0)
                    l.set(slot, tree, true, 1 + (slot + 2 * tree) % MaxRankLimit);
            }
        }
        return l;
    }();
    return fixed;
}

// The board Save writes from: the fixed class with `ranks` on it.
TalentTable boardOf(const PlanRanks &ranks)
{
    TalentTable table;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            Talent &t = table.at(slot, tree);
            t.present = layout().present(slot, tree);
            t.maxRank = layout().maxRank(slot, tree);
            t.rank = ranks.rank(slot, tree);
            table.treePoints(tree) += t.rank;
            table.totalPoints += t.rank;
        }
    }
    return table;
}

// The plan format: the class index in decimal, then per tree 44 digits, the digit of a slot
// without a talent 0; CR LF after each line and nothing more.
bool inPlanFormat(const QByteArray &text, const PlanRanks &ranks)
{
    QByteArray expected = QByteArray::number(ranks.classIndex) + "\r\n";
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot)
            expected += char('0' + (layout().present(slot, tree) ? ranks.rank(slot, tree) : 0));
        expected += "\r\n";
    }
    return text == expected;
}

// Reads a plan against the fixed class as Load does.
PlanRanks readPlan(const QByteArray &bytes, const QString &name)
{
    const PlanText plan = parsePlanText(bytes, name);
    checkPlanClass(plan, static_cast<int>(classCodes.size()), name);
    return checkPlan(plan, layout(), name);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString name = QStringLiteral("plan.txt");
    PlanRanks ranks;
    try {
        ranks = readPlan(bytes, name);
    } catch (const Error &) {
        return 0;
    }
    int total = 0;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const int rank = ranks.rank(slot, tree);
            if (rank < 0 || rank > layout().maxRank(slot, tree) ||
                (rank > 0 && !layout().present(slot, tree)))
                __builtin_trap();
            total += rank;
        }
    }
    if (total > PointBudget)
        __builtin_trap();
    // Written and read again: the same plan, and the same bytes when written once more.
    const QByteArray written = formatPlan(ranks.classIndex, boardOf(ranks));
    if (!inPlanFormat(written, ranks))
        __builtin_trap();
    try {
        const PlanRanks again = readPlan(written, name);
        if (again.classIndex != ranks.classIndex || again.ranks != ranks.ranks ||
            formatPlan(again.classIndex, boardOf(again)) != written)
            __builtin_trap();
    } catch (const Error &) {
        __builtin_trap(); // a plan the planner wrote must read
    }
    return 0;
}
