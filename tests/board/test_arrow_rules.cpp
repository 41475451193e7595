// The checker's limit of 30 arrows a class, counted as the class load counts them. (Which
// relations have a piece at all is arrowPiece's, tested with it.)
#include "board/arrow_rules.h"

#include <QTest>

namespace {

// A tree file of one-rank talents from "slot prereq" pairs, every talent placed.
struct Tree {
    TreeFile file;
    PlacedSlots placed{};
};

Tree tree(const QList<std::pair<int, int>> &talents)
{
    QStringList lines{QStringLiteral("Tree")};
    for (const auto &[slot, prereq] : talents)
        lines << QStringLiteral("#%1 1 %2").arg(slot).arg(prereq) << "name"
              << "rank";
    Tree t{parseTreeFile(lines, QStringLiteral("t")), {}};
    for (const auto &[slot, prereq] : talents)
        t.placed[static_cast<size_t>(slot - 1)] = true;
    return t;
}

} // namespace

class TestArrowRules : public QObject {
    Q_OBJECT
private slots:
    void theArrowLimit_data()
    {
        QTest::addColumn<int>("dependants"); // in tree 3, after ten in each of trees 1 and 2
        QTest::addColumn<bool>("slotNamedTwice");
        QTest::addColumn<QString>("expected");
        QTest::newRow("30") << 10 << false << QString();
        QTest::newRow("31") << 11 << false
                            << "t3:35: talent 44 would be talent 31 with a prerequisite in this "
                               "class; a class may have at most 30";
        QTest::newRow("30, one slot named twice") << 10 << true << QString();
    }
    void theArrowLimit()
    {
        QFETCH(int, dependants);
        QFETCH(bool, slotNamedTwice);
        QFETCH(QString, expected);
        QList<std::pair<int, int>> ten{{1, 0}};
        for (int slot = 5; slot <= 41; slot += 4)
            ten.append({slot, slot - 4});
        QList<std::pair<int, int>> last = ten;
        if (dependants == 11)
            last.append({44, 40});
        if (slotNamedTwice)
            last.append({9, 5});
        const std::array<Tree, 3> trees{tree(ten), tree(ten), tree(last)};
        const ClassTrees classTrees{{&trees[0].file, &trees[1].file, &trees[2].file},
                                    {trees[0].placed, trees[1].placed, trees[2].placed},
                                    {"t1", "t2", "t3"}};
        const auto found = arrowLimitExceeded(classTrees);
        QCOMPARE(found ? findingText(*found) : QString(), expected);
    }
};

QTEST_MAIN(TestArrowRules)
#include "test_arrow_rules.moc"
