// The order of a plan's points: the order a plan file implies is legal step by step for every
// legal plan of the bundled world, and it puts a prerequisite in the same row first; a step moved
// stands unless a step legal at its level would break.
#include "bundled_world.h"
#include "datafolder/class_layout.h"
#include "talents/point_order.h"
#include "talents/step_move.h"

#include <QRandomGenerator>
#include <QTest>

class TestPointOrder : public QObject {
    Q_OBJECT
private slots:
    void theDerivedOrderOfALegalPlanIsLegal_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : classCodes)
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void theDerivedOrderOfALegalPlanIsLegal()
    {
        QFETCH(QString, code);
        const TalentTable table = readClassTalents(QDir(worldDir()).filePath(code), "en");
        QRandomGenerator random(qHash(code));
        for (int plan = 0; plan < 20; ++plan) {
            // A legal plan, spent in a random order of its own.
            PointRulesModel model = modelOfClass(code);
            for (int tries = 0; tries < 3000 && model.total() < 71; ++tries) {
                const int slot = random.bounded(1, 45);
                const int tree = random.bounded(1, 4);
                if (model.talent(slot, tree).placed && model.maySpend(slot, tree))
                    ++model.talent(slot, tree).rank;
            }
            RankGrid ranks{};
            for (int tree = 1; tree <= 3; ++tree)
                for (int slot = 1; slot <= 44; ++slot)
                    ranks[tree - 1][slot - 1] = model.talent(slot, tree).rank;
            const PointOrder order = derivedOrder(table, ranks);
            QCOMPARE(ranksOfOrder(order), ranks);
            QVERIFY(!stepLegality(table, order).contains(false));
        }
    }

    void aPrerequisiteInTheSameRowComesFirst()
    {
        TalentTable table;
        for (int slot : {1, 2, 3}) {
            Talent &t = table.at(slot, 1);
            t.present = true;
            t.maxRank = 2;
        }
        table.at(1, 1).prereq = 3; // 3 before 1, then 2
        RankGrid ranks{};
        ranks[0] = {2, 1, 2};
        QCOMPARE(derivedOrder(table, ranks), (PointOrder{{3, 1}, {3, 1}, {1, 1}, {1, 1}, {2, 1}}));
        QCOMPARE(levelsOf(derivedOrder(table, ranks), 1, 1), (QVector<int>{12, 13}));
    }

    void aMovedStepStandsUnlessALegalStepBreaks_data()
    {
        // Row 1: talent 1 (5 ranks) and 2 (3 ranks); row 2: talent 5, and 6 needing 2 at full.
        QTest::addColumn<PointOrder>("order");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("broken");
        const PointOrder spent{{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1},
                               {5, 1}, {2, 1}, {2, 1}, {2, 1}, {6, 1}};
        using F = StepMove::Fault;
        QTest::newRow("earlier") << spent << 6 << 5 << int(F::None) << -1;
        QTest::newRow("many places later") << spent << 5 << 9 << int(F::None) << -1;
        QTest::newRow("row short of points") << spent << 5 << 4 << int(F::StepBreaks) << 4;
        QTest::newRow("breaks the step it passes") << spent << 4 << 5 << int(F::StepBreaks) << 4;
        QTest::newRow("prerequisite not full") << spent << 9 << 8 << int(F::StepBreaks) << 8;
        QTest::newRow("past its own rank") << spent << 0 << 1 << int(F::SameTalent) << 1;
        QTest::newRow("far past its own rank") << spent << 8 << 2 << int(F::SameTalent) << 2;
        const PointOrder illegalFirst{{5, 1}, {2, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}};
        QTest::newRow("an illegal step stays") << illegalFirst << 1 << 2 << int(F::None) << -1;
    }
    void aMovedStepStandsUnlessALegalStepBreaks()
    {
        QFETCH(PointOrder, order);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, fault);
        QFETCH(int, broken);
        TalentTable table;
        for (const auto &[slot, ranks, prereq] :
             {std::tuple{1, 5, 0}, {2, 3, 0}, {5, 2, 0}, {6, 1, 2}}) {
            Talent &t = table.at(slot, 1);
            t.present = true;
            t.maxRank = ranks;
            t.prereq = prereq;
        }
        const StepMove move = moveStep(table, order, from, to);
        QCOMPARE(int(move.fault), fault);
        QCOMPARE(move.brokenStep, broken);
        QCOMPARE(ranksOfOrder(move.order), ranksOfOrder(order));
        QCOMPARE(move.order.at(to), order.at(from));
    }
};

QTEST_GUILESS_MAIN(TestPointOrder)
#include "test_point_order.moc"
