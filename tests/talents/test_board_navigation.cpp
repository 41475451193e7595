// Moves of the board's keyboard focus between placed talents.
#include "talents/board_navigation.h"

#include <QTest>

namespace {

// Placed talents, as (tree, slot):
//   tree 1: slots 1, 3, 6, 12, 41        tree 2: slot 10        tree 3: none
//   row 1: [1] .  [3] .    row 2: .  [6] .  .    row 3: .  .  .  [12]    row 11: [41]
TalentTable sparseTable()
{
    TalentTable table;
    for (int slot : {1, 3, 6, 12, 41})
        table.at(slot, 1).present = true;
    table.at(10, 2).present = true;
    return table;
}

} // namespace

class TestBoardNavigation : public QObject {
    Q_OBJECT

private slots:
    void moves_data()
    {
        QTest::addColumn<int>("tree");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("move");
        QTest::addColumn<int>("toTree");
        QTest::addColumn<int>("toSlot");
        const auto row = [](const char *name, int tree, int slot, BoardMove move, int toTree,
                            int toSlot) {
            QTest::newRow(name) << tree << slot << int(move) << toTree << toSlot;
        };
        row("right stays in the row", 1, 1, BoardMove::Right, 1, 3);
        row("right from the row's last goes to the nearest row", 1, 3, BoardMove::Right, 1, 12);
        row("left with none that way stays", 1, 1, BoardMove::Left, 1, 1);
        row("down goes to the next row with a talent", 1, 1, BoardMove::Down, 1, 6);
        row("down skips empty rows but no row with a talent", 1, 6, BoardMove::Down, 1, 12);
        row("up prefers the nearest row, then column", 1, 12, BoardMove::Up, 1, 6);
        row("down from the last row stays", 1, 41, BoardMove::Down, 1, 41);
        row("next tree: nearest the same row", 1, 12, BoardMove::NextTree, 2, 10);
        row("previous tree from tree 1 stays", 1, 6, BoardMove::PreviousTree, 1, 6);
        row("next tree with no talent stays", 2, 10, BoardMove::NextTree, 2, 10);
        row("first", 1, 12, BoardMove::First, 1, 1);
        row("last", 1, 1, BoardMove::Last, 1, 41);
    }
    void moves()
    {
        QFETCH(int, tree);
        QFETCH(int, slot);
        QFETCH(int, move);
        QFETCH(int, toTree);
        QFETCH(int, toSlot);
        const TreeSlot to = focusMove(sparseTable(), {tree, slot}, static_cast<BoardMove>(move));
        QCOMPARE(to, (TreeSlot{toTree, toSlot}));
    }

    void firstTalentOfTheBoard()
    {
        TalentTable table = sparseTable();
        QCOMPARE(firstPlacedTalent(table), (TreeSlot{1, 1}));
        for (int slot = 1; slot <= SlotsPerTree; ++slot)
            table.at(slot, 1).present = false;
        QCOMPARE(firstPlacedTalent(table), (TreeSlot{2, 10}));
        QVERIFY(!firstPlacedTalent(TalentTable{}));
    }
};

QTEST_GUILESS_MAIN(TestBoardNavigation)
#include "test_board_navigation.moc"
