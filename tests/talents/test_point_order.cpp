// The order of a plan's points: the order a plan file implies is legal step by step for every
// legal plan of the bundled world, and it puts a prerequisite in the same row first.
#include "bundled_world.h"
#include "datafolder/class_layout.h"
#include "talents/point_order.h"

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
};

QTEST_GUILESS_MAIN(TestPointOrder)
#include "test_point_order.moc"
