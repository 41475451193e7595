// How two builds of a class differ: the talents whose ranks differ, each tree's sums, the point
// totals and the level where two spent orders part.
#include "talents/build_difference.h"

#include <QTest>

namespace {
using Ranks = QVector<RankDifference>; // each talent's rank in A and in B
using Order = QVector<QPoint>;         // (slot, tree) per point; empty for a derived order

RankGrid gridOf(const Ranks &ranks, bool sideA)
{
    RankGrid grid{};
    for (const RankDifference &r : ranks)
        grid[r.at.tree - 1][r.at.slot - 1] = sideA ? r.rankA : r.rankB;
    return grid;
}
} // namespace

class TestBuildDifference : public QObject {
    Q_OBJECT
private slots:
    void twoBuildsDiffer_data()
    {
        QTest::addColumn<Ranks>("ranks");
        QTest::addColumn<Order>("orderA");
        QTest::addColumn<Order>("orderB");
        QTest::addColumn<Ranks>("differing");
        QTest::addColumn<QVector<int>>("sums");         // more, fewer per tree
        QTest::addColumn<int>("partsAt");               // 0: the orders do not part
        QTest::addColumn<QVector<int>>("partingSteps"); // tree, slot of A then B; 0 for none

        const RankDifference same{{1, 1}, 5, 5};
        const RankDifference moreA{{1, 2}, 3, 1};
        const RankDifference fewerA{{3, 44}, 0, 2};
        const RankDifference other{{2, 7}, 1, 0};
        const Order a{{1, 1}, {1, 1}, {2, 1}};
        QTest::newRow("equal") << Ranks{same} << Order{} << Order{} << Ranks{}
                               << QVector<int>{0, 0, 0, 0, 0, 0} << 0 << QVector<int>{};
        QTest::newRow("ranks in three trees")
            << Ranks{same, fewerA, other, moreA} << Order{} << Order{}
            << Ranks{moreA, other, fewerA} << QVector<int>{2, 0, 1, 0, 0, 2} << 0 << QVector<int>{};
        QTest::newRow("orders part midway")
            << Ranks{} << a << Order{{1, 1}, {2, 1}, {1, 1}} << Ranks{}
            << QVector<int>{0, 0, 0, 0, 0, 0} << 11 << QVector<int>{1, 1, 1, 2};
        QTest::newRow("A's order ends first")
            << Ranks{} << Order{{1, 1}} << Order{{1, 1}, {3, 2}} << Ranks{}
            << QVector<int>{0, 0, 0, 0, 0, 0} << 11 << QVector<int>{0, 0, 2, 3};
        QTest::newRow("B's order is empty")
            << Ranks{} << a << Order{} << Ranks{} << QVector<int>{0, 0, 0, 0, 0, 0} << 10
            << QVector<int>{1, 1, 0, 0};
        QTest::newRow("equal orders") << Ranks{} << a << a << Ranks{}
                                      << QVector<int>{0, 0, 0, 0, 0, 0} << 0 << QVector<int>{};
    }
    void twoBuildsDiffer()
    {
        QFETCH(Ranks, ranks);
        QFETCH(Order, orderA);
        QFETCH(Order, orderB);
        QFETCH(Ranks, differing);
        QFETCH(QVector<int>, sums);
        QFETCH(int, partsAt);
        QFETCH(QVector<int>, partingSteps);
        const RankGrid a = gridOf(ranks, true);
        const RankGrid b = gridOf(ranks, false);
        const bool recorded = !orderA.isEmpty();
        const BuildDifference d =
            buildDifference(a, b, recorded ? &orderA : nullptr, recorded ? &orderB : nullptr);
        QCOMPARE(d.ranks, differing);
        for (int tree = 0; tree < 3; ++tree)
            QCOMPARE(d.trees[tree], (TreeSums{sums[2 * tree], sums[2 * tree + 1]}));
        int pointsA = 0;
        int pointsB = 0;
        for (const RankDifference &r : ranks) {
            pointsA += r.rankA;
            pointsB += r.rankB;
        }
        QCOMPARE(d.pointsA, pointsA);
        QCOMPARE(d.pointsB, pointsB);
        QCOMPARE(d.ordersPart.has_value(), partsAt != 0);
        QCOMPARE(d.none(), differing.isEmpty() && partsAt == 0);
        if (partsAt == 0)
            return;
        auto step = [&](int k) -> std::optional<TreeSlot> {
            if (partingSteps[k] == 0)
                return std::nullopt;
            return TreeSlot{partingSteps[k], partingSteps[k + 1]};
        };
        QCOMPARE(d.ordersPart->level, partsAt);
        QCOMPARE(d.ordersPart->stepA, step(0));
        QCOMPARE(d.ordersPart->stepB, step(2));
        // A derived order on either side never parts.
        QVERIFY(!buildDifference(a, b, &orderA, nullptr).ordersPart);
    }
};

QTEST_APPLESS_MAIN(TestBuildDifference)
#include "test_build_difference.moc"
