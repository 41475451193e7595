#include "point_rules_model.h"
#include "talents/press.h"
#include "talents/rules.h"

#include <QRandomGenerator>
#include <QTest>

// Thousands of random presses over three trees with prerequisites, each checked against the plain
// model of point_rules_model.h, with the counters and flags checked after every step.
class TestPressProperty : public QObject {
    Q_OBJECT

private slots:
    void randomPressesFollowTheModel();
};

namespace {

struct LayoutTalent {
    int slot;
    int maxRank;
    int prereq; // 0 = none
};

// Prerequisites point to a row above or to a neighbour in the same row, as in real trees.
const std::array<QList<LayoutTalent>, TreeCount> layouts = {{
    // Deep, with chains reaching row 11.
    {{1, 5, 0},  {2, 5, 0},   {3, 3, 0},   {4, 2, 3},   {5, 5, 0},  {6, 3, 2},
     {7, 2, 0},  {9, 1, 0},   {10, 5, 0},  {11, 3, 10}, {12, 2, 7}, {13, 5, 0},
     {14, 2, 9}, {17, 3, 0},  {18, 1, 17}, {19, 5, 0},  {21, 5, 0}, {23, 3, 19},
     {25, 2, 0}, {26, 5, 25}, {29, 1, 0},  {31, 5, 26}, {33, 3, 0}, {34, 1, 33},
     {37, 5, 0}, {38, 2, 34}, {41, 1, 0},  {42, 3, 41}, {44, 5, 38}},
    // Shallow and crowded.
    {{1, 5, 0},
     {2, 3, 0},
     {4, 5, 0},
     {5, 5, 0},
     {6, 2, 1},
     {8, 3, 4},
     {9, 5, 0},
     {10, 1, 9},
     {11, 3, 6},
     {13, 5, 0},
     {14, 3, 13},
     {17, 1, 14},
     {18, 5, 0}},
    // Sparse, one talent of few ranks per row in places.
    {{2, 5, 0},
     {3, 5, 0},
     {6, 5, 3},
     {7, 3, 0},
     {10, 5, 0},
     {12, 1, 7},
     {15, 5, 0},
     {16, 2, 15},
     {19, 3, 0},
     {22, 5, 19},
     {27, 1, 22},
     {30, 5, 0},
     {35, 3, 30},
     {39, 1, 0},
     {43, 5, 39}},
}};

PointRulesModel modelOfLayouts()
{
    PointRulesModel model;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (const LayoutTalent &l : layouts[tree - 1])
            model.talent(l.slot, tree) = {l.maxRank, l.prereq, true, 0};
    }
    return model;
}

TalentTable tableFor(const PointRulesModel &model)
{
    TalentTable table;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const ModelTalent &m = model.talent(slot, tree);
            if (!m.placed)
                continue;
            Talent &t = table.at(slot, tree);
            t.slot = slot;
            t.maxRank = m.maxRank;
            t.prereq = m.prereq;
            t.present = true;
        }
    }
    return table;
}

// The first way in which the table and the model part, or an empty text.
QString mismatch(const TalentTable &table, const PointRulesModel &model)
{
    int total = 0;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        int sum = 0;
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &t = table.at(slot, tree);
            const QString where = QStringLiteral("tree %1 slot %2: ").arg(tree).arg(slot);
            const int modelRank = model.talent(slot, tree).rank;
            if (t.rank != modelRank)
                return where + QStringLiteral("rank %1, model %2").arg(t.rank).arg(modelRank);
            if (t.rank < 0 || t.rank > t.maxRank)
                return where + QStringLiteral("rank %1 outside 0..%2").arg(t.rank).arg(t.maxRank);
            if (t.present && t.available != model.open(slot, tree))
                return where + QStringLiteral("available is %1").arg(t.available);
            sum += t.rank;
        }
        if (table.treePoints(tree) != sum)
            return QStringLiteral("tree %1 counts %2 points, holds %3")
                .arg(tree)
                .arg(table.treePoints(tree))
                .arg(sum);
        total += sum;
    }
    if (table.totalPoints != total)
        return QStringLiteral("total %1, trees hold %2").arg(table.totalPoints).arg(total);
    if (total < 0 || total > PointBudget)
        return QStringLiteral("total %1 outside the budget").arg(total);
    if (!model.everyInvestedTalentLegal())
        return QStringLiteral("a talent holds points without meeting its requirements");
    return {};
}

} // namespace

void TestPressProperty::randomPressesFollowTheModel()
{
    QRandomGenerator rng(20240611);
    PointRulesModel model = modelOfLayouts();
    TalentTable table = tableFor(model);
    for (int tree = 1; tree <= TreeCount; ++tree)
        reevaluateTree(table, tree);
    QString problem = mismatch(table, model);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    int spends = 0, refunds = 0, refusedRefunds = 0, budgetRefusals = 0, deepestRow = 0;
    constexpr int steps = 6000;
    for (int step = 0; step < steps; ++step) {
        // Filling and draining phases alternate, each leaning on one tree, so that deep trees,
        // the budget and near-empty trees are all seen.
        const int phase = step / 150;
        const bool filling = phase % 2 == 0;
        const int focus = (phase / 2) % TreeCount + 1;
        const int tree = rng.bounded(100) < 80 ? focus : rng.bounded(1, TreeCount + 1);
        const QList<LayoutTalent> &talents = layouts[tree - 1];
        // Half the time press a talent that the phase can move (one that may take a point while
        // filling, one that may give one back while draining), or deep rows and empty trees are
        // seldom reached; else any talent, and now and then an empty slot.
        QList<int> movable;
        for (const LayoutTalent &t : talents) {
            if (filling ? model.maySpend(t.slot, tree) : model.mayRefund(t.slot, tree))
                movable.append(t.slot);
        }
        const int slotRoll = rng.bounded(100);
        int slot = 0;
        if (slotRoll < 50 && !movable.isEmpty())
            slot = movable[rng.bounded(static_cast<int>(movable.size()))];
        else if (slotRoll < 90)
            slot = talents[rng.bounded(static_cast<int>(talents.size()))].slot;
        else
            slot = rng.bounded(1, SlotsPerTree + 1);
        const int buttonRoll = rng.bounded(100);
        const int leftShare = filling ? 80 : 25;
        const PressButton button = buttonRoll < leftShare       ? PressButton::Left
                                   : buttonRoll < leftShare + 8 ? PressButton::Middle
                                                                : PressButton::Right;

        ModelTalent &m = model.talent(slot, tree);
        const int rankBefore = m.rank;
        const bool shouldSpend = button == PressButton::Left && model.maySpend(slot, tree);
        const bool shouldRefund = button == PressButton::Right && model.mayRefund(slot, tree);

        const PressOutcome out = applyPress(table, slot, tree, button);
        const QString context = QStringLiteral("step %1, tree %2 slot %3 rank %4, button %5: ")
                                    .arg(step)
                                    .arg(tree)
                                    .arg(slot)
                                    .arg(rankBefore)
                                    .arg(static_cast<int>(button));
        QVERIFY2(out.spent == shouldSpend, qPrintable(context + QStringLiteral("spent")));
        QVERIFY2(out.refunded == shouldRefund, qPrintable(context + QStringLiteral("refunded")));
        QVERIFY2(out.toColour == (shouldSpend && rankBefore == 0),
                 qPrintable(context + QStringLiteral("colour")));
        QVERIFY2(out.toGrey == (shouldRefund && rankBefore == 1),
                 qPrintable(context + QStringLiteral("grey")));

        if (shouldSpend) {
            ++m.rank;
            ++spends;
            deepestRow = qMax(deepestRow, PointRulesModel::rowOf(slot));
        }
        if (shouldRefund) {
            --m.rank;
            ++refunds;
        }
        if (button == PressButton::Right && rankBefore > 0 && !shouldRefund)
            ++refusedRefunds;
        if (button == PressButton::Left && model.total() == PointBudget && !shouldSpend &&
            m.placed && rankBefore < table.at(slot, tree).maxRank && model.open(slot, tree))
            ++budgetRefusals;

        reevaluateTree(table, tree);
        problem = mismatch(table, model);
        QVERIFY2(problem.isEmpty(), qPrintable(context + problem));
    }

    // The walk must have reached the interesting corners, or it proved little.
    QVERIFY2(spends > 800, qPrintable(QString::number(spends)));
    QVERIFY2(refunds > 800, qPrintable(QString::number(refunds)));
    QVERIFY2(refusedRefunds > 100, qPrintable(QString::number(refusedRefunds)));
    QVERIFY2(budgetRefusals > 100, qPrintable(QString::number(budgetRefusals)));
    QCOMPARE(deepestRow, RowsPerTree);
}

QTEST_APPLESS_MAIN(TestPressProperty)
#include "test_press_property.moc"
