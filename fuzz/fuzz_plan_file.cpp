// A plan file as the Load button reads it: the text, the class index, then the ranks against a
// fixed class. Error is the expected way to refuse a plan; a plan accepted must be one the board
// can show.
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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString name = QStringLiteral("plan.txt");
    try {
        const PlanText plan = parsePlanText(bytes, name);
        checkPlanClass(plan, static_cast<int>(classCodes.size()), name);
        const PlanRanks ranks = checkPlan(plan, layout(), name);
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
    } catch (const Error &) {
    }
    return 0;
}
