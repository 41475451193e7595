#include "build/plan_file.h"

#include "base/error.h"
#include "base/read_file.h"
#include "base/write_file.h"
#include "talents/text_lines.h"

namespace {
constexpr int FirstTreeLine = 2; // line numbers as the user counts them

[[noreturn]] void fail(const QString &fileName, int line, const QString &reason)
{
    throw Error(QStringLiteral("%1, line %2: %3").arg(fileName, QString::number(line), reason));
}
} // namespace

QByteArray formatPlan(int classIndex, const TalentTable &table)
{
    QByteArray text = QByteArray::number(classIndex) + "\r\n";
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &t = table.at(slot, tree);
            text += t.present ? QByteArray::number(t.rank) : QByteArray("0");
        }
        text += "\r\n";
    }
    return text;
}

PlanText parsePlanText(const QByteArray &bytes, const QString &fileName)
{
    const QStringList lines = splitListLines(decodeDataText(bytes));
    PlanText plan;
    const QString first = lines.isEmpty() ? QString() : lines.first();
    // A file whose first line says nothing is no plan at all, which the player is told in so many
    // words rather than as a number that could not be read.
    if (trimControl(first).isEmpty())
        fail(fileName, 1, QStringLiteral("not a Runeplan plan (line 1 is empty)"));
    const auto index = parseDecimal(trimControl(first));
    if (!index)
        fail(fileName, 1, notAnIntegerMessage(first));
    plan.classIndex = *index;
    if (lines.size() < 1 + TreeCount) {
        fail(fileName, static_cast<int>(lines.size()) + 1,
             QStringLiteral("the plan has %1 tree lines; it needs %2")
                 .arg(std::max<qsizetype>(lines.size() - 1, 0))
                 .arg(TreeCount));
    }
    for (int tree = 0; tree < TreeCount; ++tree)
        plan.treeLines[tree] = lines.at(1 + tree).left(SlotsPerTree);
    return plan;
}

void checkPlanClass(const PlanText &plan, int classCount, const QString &fileName)
{
    if (plan.classIndex < 0 || plan.classIndex >= classCount || !classCode(plan.classIndex)) {
        fail(fileName, 1,
             QStringLiteral("class %1 is not one of the %2 classes on offer")
                 .arg(plan.classIndex)
                 .arg(std::min(classCount, static_cast<int>(classCodes.size()))));
    }
}

PlanRanks checkPlan(const PlanText &plan, const ClassLayout &layout, const QString &fileName)
{
    PlanRanks out;
    out.classIndex = plan.classIndex;
    int total = 0;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        const QString &line = plan.treeLines[tree - 1];
        const int lineNumber = FirstTreeLine + tree - 1;
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            if (!layout.present(slot, tree))
                continue;
            if (slot > line.size()) {
                fail(
                    fileName, lineNumber,
                    QStringLiteral("the line ends before slot %1, which holds a talent").arg(slot));
            }
            const QChar c = line.at(slot - 1);
            if (c < u'0' || c > u'9') {
                fail(fileName, lineNumber,
                     QStringLiteral("'%1' at slot %2 is not a rank").arg(c).arg(slot));
            }
            const int rank = c.unicode() - u'0';
            if (rank > layout.maxRank(slot, tree)) {
                fail(fileName, lineNumber,
                     QStringLiteral("rank %1 at slot %2 is above the talent's %3 ranks")
                         .arg(rank)
                         .arg(slot)
                         .arg(layout.maxRank(slot, tree)));
            }
            out.ranks[tree - 1][slot - 1] = rank;
            total += rank;
        }
    }
    if (total > PointBudget) {
        fail(fileName, FirstTreeLine + TreeCount - 1,
             QStringLiteral("the plan spends %1 points; at most %2 can be spent")
                 .arg(total)
                 .arg(PointBudget));
    }
    return out;
}

QByteArray readPlanFile(const QString &path)
{
    return readFileBytes(path, MaxPlanFileBytes);
}

void writePlanFile(const QString &path, const QByteArray &text)
{
    writeWholeFile(path, text);
}
