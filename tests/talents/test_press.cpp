#include "talent_layout.h"
#include "talents/press.h"

#include <QTest>

// One press on a talent: what it spends or gives back and which picture the icon must take.
class TestPress : public QObject {
    Q_OBJECT

private slots:
    void applyPress_data();
    void applyPress();
    void onlyThePressedTreeCounts();
};

namespace {

PressButton buttonNamed(const QString &name)
{
    if (name == u"left")
        return PressButton::Left;
    if (name == u"right")
        return PressButton::Right;
    if (name == u"middle")
        return PressButton::Middle;
    qFatal("unknown button '%s'", qPrintable(name));
}

QString describe(const PressOutcome &out)
{
    QStringList parts;
    if (out.spent)
        parts << QStringLiteral("spent");
    if (out.refunded)
        parts << QStringLiteral("refunded");
    if (out.toColour)
        parts << QStringLiteral("colour");
    if (out.toGrey)
        parts << QStringLiteral("grey");
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(u'+');
}

// Ranks for `points` points spread over tree 2 (no talents placed there), so that the total
// can be brought near the budget without touching the tree under test.
QString pointsElsewhere(int points)
{
    QStringList ranks;
    for (int slot = 1; points > 0; ++slot) {
        const int rank = qMin(points, 5);
        ranks << QStringLiteral("%1=%2").arg(slot).arg(rank);
        points -= rank;
    }
    return ranks.join(u' ');
}

} // namespace

void TestPress::applyPress_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("ranks");
    QTest::addColumn<int>("elsewhere"); // points held in tree 2
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("open"); // the pressed talent's `available` flag
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("treePoints");
    QTest::addColumn<int>("total");

    // Spending.
    QTest::newRow("left on an empty open talent") << "1:3"
                                                  << "" << 0 << 1 << true << "left"
                                                  << "spent+colour" << 1 << 1 << 1;
    QTest::newRow("left on rank 1 of 3") << "1:3"
                                         << "1=1" << 4 << 1 << true << "left"
                                         << "spent" << 2 << 2 << 6;
    QTest::newRow("left up to full rank") << "1:3"
                                          << "1=2" << 0 << 1 << true << "left"
                                          << "spent" << 3 << 3 << 3;
    QTest::newRow("left at full rank") << "1:3"
                                       << "1=3" << 0 << 1 << true << "left"
                                       << "none" << 3 << 3 << 3;
    QTest::newRow("left on an open talent of no ranks") << "1:0"
                                                        << "" << 0 << 1 << true << "left"
                                                        << "colour" << 0 << 0 << 0;
    QTest::newRow("left on a closed talent") << "5:3"
                                             << "" << 0 << 5 << false << "left"
                                             << "none" << 0 << 0 << 0;
    QTest::newRow("left on a closed talent holding points")
        << "1:5 5:3"
        << "1=4 5=1" << 0 << 5 << false << "left"
        << "none" << 1 << 5 << 5;
    QTest::newRow("left at 70 points") << "1:3"
                                       << "" << 70 << 1 << true << "left"
                                       << "spent+colour" << 1 << 1 << 71;
    QTest::newRow("left at 71 points") << "1:3"
                                       << "" << 71 << 1 << true << "left"
                                       << "none" << 0 << 0 << 71;
    QTest::newRow("left at 71 points with a point held") << "1:3"
                                                         << "1=1" << 70 << 1 << true << "left"
                                                         << "none" << 1 << 1 << 71;

    // Refunds.
    QTest::newRow("right on rank 2") << "1:3"
                                     << "1=2" << 3 << 1 << true << "right"
                                     << "refunded" << 1 << 1 << 4;
    QTest::newRow("right on the last point") << "1:3"
                                             << "1=1" << 0 << 1 << true << "right"
                                             << "refunded+grey" << 0 << 0 << 0;
    QTest::newRow("right on rank 0") << "1:3"
                                     << "" << 0 << 1 << true << "right"
                                     << "none" << 0 << 0 << 0;
    QTest::newRow("right refused by the refund rule") << "1:2 2:1:1"
                                                      << "1=2 2=1" << 0 << 1 << true << "right"
                                                      << "none" << 2 << 3 << 3;
    QTest::newRow("right refused by the tier below") << "1:5 5:1"
                                                     << "1=5 5=1" << 0 << 1 << true << "right"
                                                     << "none" << 5 << 6 << 6;
    QTest::newRow("right at 71 points") << "1:3"
                                        << "1=3" << 68 << 1 << true << "right"
                                        << "refunded" << 2 << 2 << 70;
    QTest::newRow("right on a closed talent holding points")
        << "1:5 5:3"
        << "1=4 5=1" << 0 << 5 << false << "right"
        << "refunded+grey" << 0 << 4 << 4;

    // The middle button does nothing.
    QTest::newRow("middle on an empty open talent") << "1:3"
                                                    << "" << 0 << 1 << true << "middle"
                                                    << "none" << 0 << 0 << 0;
    QTest::newRow("middle on a talent holding points") << "1:3"
                                                       << "1=1" << 0 << 1 << true << "middle"
                                                       << "none" << 1 << 1 << 1;
}

void TestPress::applyPress()
{
    QFETCH(QString, layout);
    QFETCH(QString, ranks);
    QFETCH(int, elsewhere);
    QFETCH(int, slot);
    QFETCH(bool, open);
    QFETCH(QString, button);
    QFETCH(QString, outcome);
    QFETCH(int, rank);
    QFETCH(int, treePoints);
    QFETCH(int, total);

    TalentTable table = makeTable(layout, ranks);
    giveRanks(table, 2, pointsElsewhere(elsewhere));
    table.at(slot, 1).available = open;

    const PressOutcome out = ::applyPress(table, slot, 1, buttonNamed(button));
    QCOMPARE(describe(out), outcome);
    QCOMPARE(table.at(slot, 1).rank, rank);
    QCOMPARE(table.treePoints(1), treePoints);
    QCOMPARE(table.treePoints(2), elsewhere);
    QCOMPARE(table.totalPoints, total);
}

void TestPress::onlyThePressedTreeCounts()
{
    TalentTable table;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        placeTalents(table, tree, QStringLiteral("1:5"));
        giveRanks(table, tree, QStringLiteral("1=2"));
        table.at(1, tree).available = true;
    }

    QVERIFY(::applyPress(table, 1, 3, PressButton::Left).spent);
    QCOMPARE(table.at(1, 3).rank, 3);
    QCOMPARE(table.treePoints(3), 3);
    QVERIFY(::applyPress(table, 1, 2, PressButton::Right).refunded);
    QCOMPARE(table.at(1, 2).rank, 1);
    QCOMPARE(table.treePoints(2), 1);

    QCOMPARE(table.at(1, 1).rank, 2);
    QCOMPARE(table.treePoints(1), 2);
    QCOMPARE(table.totalPoints, 6);
}

QTEST_APPLESS_MAIN(TestPress)
#include "test_press.moc"
