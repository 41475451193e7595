#include "talent_layout.h"
#include "talents/rules.h"

#include <QTest>

// The requirement and refund rules of one tree. Set-ups are written as layouts (see
// talent_layout.h); every expectation is worked out by hand from the rules.
class TestRules : public QObject {
    Q_OBJECT

private slots:
    void pointsAbove_data();
    void pointsAbove();
    void requirementsMet_data();
    void requirementsMet();
    void canDecTal_data();
    void canDecTal();
    void reevaluateTree_data();
    void reevaluateTree();
    void reevaluateTwiceChangesNothing();
    void otherTreesNeverCount();
};

namespace {

// Ranks that fill rows 1 to 3 with 50 points, enough for every row of the tree.
const QString fiftyAbove = QStringLiteral("1=5 2=5 3=5 4=5 5=5 6=5 7=5 8=5 9=5 10=5");
const QString fiftyLayout = QStringLiteral("1:5 2:5 3:5 4:5 5:5 6:5 7:5 8:5 9:5 10:5");

} // namespace

void TestRules::pointsAbove_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("ranks");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("points");

    QTest::newRow("row 1 has nothing above") << "1:5 2:5"
                                             << "1=5 2=3" << 1 << 0;
    QTest::newRow("row 0") << "1:5"
                           << "1=5" << 0 << 0;
    QTest::newRow("negative row") << "1:5"
                                  << "1=5" << -2 << 0;
    QTest::newRow("row 2 counts row 1") << ""
                                        << "1=3 4=2 5=4" << 2 << 5;
    QTest::newRow("row 3 counts rows 1 and 2") << ""
                                               << "1=3 4=2 5=4 8=1 9=5" << 3 << 10;
    QTest::newRow("own row not counted") << "5:3"
                                         << "5=3" << 2 << 0;
    QTest::newRow("placed and unplaced alike") << "1:5 ~2:5"
                                               << "1=2 2=1 3=4" << 2 << 7;
    QTest::newRow("row 11 counts slots 1 to 40") << ""
                                                 << "1=5 20=5 40=2 41=5 44=5" << 11 << 12;
}

void TestRules::pointsAbove()
{
    QFETCH(QString, layout);
    QFETCH(QString, ranks);
    QFETCH(int, row);
    QFETCH(int, points);

    const TalentTable table = makeTable(layout, ranks);
    QCOMPARE(pointsAboveRow(table, row, 1), points);
}

void TestRules::requirementsMet_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("ranks");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("met");

    QTest::newRow("row 1, no prerequisite") << "1:5"
                                            << "" << 1 << true;
    QTest::newRow("row 1 at full rank") << "1:5"
                                        << "1=5" << 1 << true;
    QTest::newRow("row 2, 4 above") << "1:5 5:3"
                                    << "1=4" << 5 << false;
    QTest::newRow("row 2, 5 above") << "1:5 5:3"
                                    << "1=5" << 5 << true;
    QTest::newRow("row 2, points of an unplaced talent") << "5:3"
                                                         << "2=5" << 5 << true;
    QTest::newRow("row 2, own row does not count") << "1:5 5:3 6:5"
                                                   << "1=4 6=5" << 5 << false;
    QTest::newRow("row 3, 9 above") << "1:5 2:5 9:1"
                                    << "1=5 2=4" << 9 << false;
    QTest::newRow("row 3, 10 above") << "1:5 2:5 9:1"
                                     << "1=5 2=5" << 9 << true;
    QTest::newRow("row 3, row 2 counts") << "1:5 5:5 9:1"
                                         << "1=5 5=5" << 9 << true;
    QTest::newRow("row 11, 49 above")
        << fiftyLayout + " 41:1" << QString(fiftyAbove).replace("10=5", "10=4") << 41 << false;
    QTest::newRow("row 11, 50 above") << fiftyLayout + " 41:1" << fiftyAbove << 41 << true;
    QTest::newRow("prerequisite at full rank") << "1:3 5:2:1"
                                               << "1=3 2=2" << 5 << true;
    QTest::newRow("prerequisite below full rank") << "1:3 5:2:1"
                                                  << "1=2 2=3" << 5 << false;
    QTest::newRow("prerequisite full, too few above") << "1:3 5:2:1"
                                                      << "1=3" << 5 << false;
    QTest::newRow("same-row prerequisite full") << "1:2 2:1:1"
                                                << "1=2" << 2 << true;
    QTest::newRow("same-row prerequisite short") << "1:2 2:1:1"
                                                 << "1=1" << 2 << false;
    QTest::newRow("prerequisite slot holds no talent") << "2:1:3"
                                                       << "" << 2 << true;
    QTest::newRow("prerequisite listed but not placed") << "~3:3 2:1:3"
                                                        << "" << 2 << false;
    QTest::newRow("prerequisite at rank 0") << "3:3 2:1:3"
                                            << "" << 2 << false;
    QTest::newRow("own full rank does not help") << "1:3 2:2:1"
                                                 << "1=2 2=2" << 2 << false;
    QTest::newRow("own rank does not matter") << "1:3 2:2:1"
                                              << "1=3 2=2" << 2 << true;
}

void TestRules::requirementsMet()
{
    QFETCH(QString, layout);
    QFETCH(QString, ranks);
    QFETCH(int, slot);
    QFETCH(bool, met);

    const TalentTable table = makeTable(layout, ranks);
    QCOMPARE(::requirementsMet(table, slot, 1), met);
}

void TestRules::canDecTal_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("ranks");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("allowed");

    // Rows 1 and 2 under the tier requirement of the row below them.
    QTest::newRow("row 1 holds exactly 5, row 2 invested") << "1:5 2:5 5:3"
                                                           << "1=3 2=2 5=1" << 1 << false;
    QTest::newRow("row 1 holds 6, row 2 invested") << "1:5 2:5 5:3"
                                                   << "1=3 2=3 5=1" << 1 << true;
    QTest::newRow("row 2 talent refunds itself") << "1:5 2:5 5:3"
                                                 << "1=3 2=2 5=1" << 5 << true;
    const QString sixFourOne = QStringLiteral("1=5 2=1 5=3 6=1 9=1");
    const QString tiers = QStringLiteral("1:5 2:5 5:5 6:5 9:1");
    QTest::newRow("6/4/1 refund from row 1") << tiers << sixFourOne << 1 << false;
    QTest::newRow("6/4/1 other refund from row 1") << tiers << sixFourOne << 2 << false;
    QTest::newRow("6/4/1 refund from row 2") << tiers << sixFourOne << 5 << false;
    QTest::newRow("6/4/1 other refund from row 2") << tiers << sixFourOne << 6 << false;
    QTest::newRow("6/4/1 refund from row 3") << tiers << sixFourOne << 9 << true;
    QTest::newRow("6/5/1 refund from row 1") << tiers << "1=5 2=1 5=4 6=1 9=1" << 1 << true;
    QTest::newRow("6/5/1 refund from row 2") << tiers << "1=5 2=1 5=4 6=1 9=1" << 5 << true;
    QTest::newRow("5/5/1 refund from row 2") << tiers << "1=5 5=4 6=1 9=1" << 6 << false;

    // Row 11: nothing lies below it.
    const QString deep = fiftyLayout + QStringLiteral(" 41:5 42:1:41 43:1");
    QTest::newRow("row 11 with a dependant holding a point")
        << deep << fiftyAbove + " 41=5 42=1" << 41 << false;
    QTest::newRow("row 11 with a dependant without points")
        << deep << fiftyAbove + " 41=5" << 41 << true;
    QTest::newRow("row 11 beside an independent talent")
        << deep << fiftyAbove + " 41=5 43=1" << 41 << true;
    QTest::newRow("row 11 dependant refunds itself")
        << deep << fiftyAbove + " 41=5 42=1" << 42 << true;
    QTest::newRow("exactly 50 above row 11") << deep << fiftyAbove + " 43=1" << 10 << false;
    QTest::newRow("exactly 50 above an empty row 11") << deep << fiftyAbove << 10 << true;

    // Prerequisites.
    QTest::newRow("lower-row dependant with a point") << "1:2 2:5 5:1:1"
                                                      << "1=2 2=5 5=1" << 1 << false;
    QTest::newRow("lower-row talent, not a dependant") << "1:2 2:5 5:1:1"
                                                       << "1=2 2=5 5=1" << 2 << true;
    QTest::newRow("dependant two rows down") << "1:1 2:5 3:5 9:1:1"
                                             << "1=1 2=5 3=5 9=1" << 1 << false;
    QTest::newRow("same-row dependant with a point") << "1:2 2:1:1"
                                                     << "1=2 2=1" << 1 << false;
    QTest::newRow("same-row dependant without points") << "1:2 2:1:1"
                                                       << "1=2" << 1 << true;
    QTest::newRow("same-row talent, not a dependant") << "1:2 2:1"
                                                      << "1=2 2=1" << 1 << true;
    QTest::newRow("talent above depending on it is not examined") << "1:1:5 2:5 5:2"
                                                                  << "1=1 2=5 5=2" << 5 << true;

    // Talents that never block.
    QTest::newRow("dependant without points") << "1:5 5:3:1"
                                              << "1=5" << 1 << true;
    QTest::newRow("lower talent without points") << "1:5 5:3 9:1"
                                                 << "1=5" << 1 << true;
    QTest::newRow("unplaced dependant") << "1:2 2:5 ~5:1:1"
                                        << "1=2 2=5 5=1" << 1 << true;
    QTest::newRow("unplaced lower talent") << "1:5 ~5:1"
                                           << "1=5 5=1" << 1 << true;
    QTest::newRow("unplaced same-row dependant") << "1:2 ~2:1:1"
                                                 << "1=2 2=1" << 1 << true;
}

void TestRules::canDecTal()
{
    QFETCH(QString, layout);
    QFETCH(QString, ranks);
    QFETCH(int, slot);
    QFETCH(bool, allowed);

    const TalentTable table = makeTable(layout, ranks);
    QCOMPARE(canRefund(table, slot, 1), allowed);
}

void TestRules::reevaluateTree_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("ranks");
    QTest::addColumn<QString>("openBefore");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("openAfter");

    const QString layout = QStringLiteral("1:5 2:3 5:2 6:1:2");
    QTest::newRow("fresh tree opens row 1") << layout << ""
                                            << ""
                                            << "1 2"
                                            << "1 2";
    QTest::newRow("five points open row 2") << layout << "1=5"
                                            << "1 2"
                                            << "5"
                                            << "1 2 5";
    QTest::newRow("full prerequisite opens its dependant") << layout << "1=2 2=3"
                                                           << "1 2 5"
                                                           << "6"
                                                           << "1 2 5 6";
    QTest::newRow("lost points close row 2") << layout << "1=4"
                                             << "1 2 5 6"
                                             << "5 6"
                                             << "1 2";
    QTest::newRow("nothing to change") << layout << "1=5"
                                       << "1 2 5"
                                       << ""
                                       << "1 2 5";
    QTest::newRow("unplaced talents untouched") << "1:5 ~2:3 ~5:1"
                                                << "1=5"
                                                << "2"
                                                << "1"
                                                << "1 2";
    QTest::newRow("changes of many rows in order")
        << fiftyLayout + " 41:1 44:1:41" << fiftyAbove + " 41=1"
        << ""
        << "1 2 3 4 5 6 7 8 9 10 41 44"
        << "1 2 3 4 5 6 7 8 9 10 41 44";
}

void TestRules::reevaluateTree()
{
    QFETCH(QString, layout);
    QFETCH(QString, ranks);
    QFETCH(QString, openBefore);
    QFETCH(QString, changed);
    QFETCH(QString, openAfter);

    TalentTable table = makeTable(layout, ranks);
    for (int slot : slotList(openBefore))
        table.at(slot, 1).available = true;

    QCOMPARE(::reevaluateTree(table, 1), slotList(changed));
    QList<int> open;
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        if (table.at(slot, 1).available)
            open.append(slot);
    }
    QCOMPARE(open, slotList(openAfter));
}

void TestRules::reevaluateTwiceChangesNothing()
{
    TalentTable table = makeTable(fiftyLayout + " 41:1 42:1:41", fiftyAbove + " 41=1");
    QVERIFY(!::reevaluateTree(table, 1).isEmpty());
    QCOMPARE(::reevaluateTree(table, 1), QList<int>());
}

void TestRules::otherTreesNeverCount()
{
    // Tree 1 holds no points; trees 2 and 3 are full of them, with talents in the same slots.
    TalentTable table;
    placeTalents(table, 1, QStringLiteral("1:5 5:3 6:1:1 9:1"));
    for (int tree : {2, 3}) {
        placeTalents(table, tree, QStringLiteral("1:5 2:5 3:5 4:5 5:3 6:1:1 9:1"));
        giveRanks(table, tree, QStringLiteral("1=5 2=5 3=5 4=5 5=3 6=1 9=1"));
    }
    QCOMPARE(pointsAboveRow(table, 2, 1), 0);
    QCOMPARE(pointsAboveRow(table, 3, 1), 0);
    QVERIFY(!::requirementsMet(table, 5, 1));
    QVERIFY(!::requirementsMet(table, 6, 1));
    QCOMPARE(::reevaluateTree(table, 1), QList<int>{1});

    // A point in tree 1 row 1 is free to go: the dependants and tiers of trees 2 and 3 are theirs.
    giveRanks(table, 1, QStringLiteral("1=1"));
    QVERIFY(canRefund(table, 1, 1));
    // And tree 2 keeps its own rule: its row 1 point is held by its row 2 and 3 talents.
    QVERIFY(!canRefund(table, 1, 2));
}

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
