#include "talents/slot_cell.h"

#include <QSet>
#include <QTest>

// Where a slot sits on the board.
class TestSlotCell : public QObject {
    Q_OBJECT

private slots:
    void slotCell_data();
    void slotCell();
    void everySlotLiesInItsRow();
};

void TestSlotCell::slotCell_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("first") << 1 << 1 << 1;
    QTest::newRow("end of row 1") << 4 << 1 << 4;
    QTest::newRow("start of row 2") << 5 << 2 << 1;
    QTest::newRow("end of row 2") << 8 << 2 << 4;
    QTest::newRow("middle") << 22 << 6 << 2;
    QTest::newRow("start of row 11") << 41 << 11 << 1;
    QTest::newRow("last") << 44 << 11 << 4;
}

void TestSlotCell::slotCell()
{
    QFETCH(int, slot);
    QFETCH(int, row);
    QFETCH(int, column);
    QCOMPARE(slotPosition(slot), (SlotPosition{row, column}));
}

void TestSlotCell::everySlotLiesInItsRow()
{
    // Walking the board row by row, column by column must meet every slot once, in order.
    int slot = 0;
    for (int row = 1; row <= RowsPerTree; ++row) {
        QCOMPARE(firstSlotOfRow(row), slot + 1);
        for (int column = 1; column <= ColumnsPerRow; ++column) {
            ++slot;
            QCOMPARE(slotPosition(slot), (SlotPosition{row, column}));
        }
    }
    QCOMPARE(slot, SlotsPerTree);
}

QTEST_APPLESS_MAIN(TestSlotCell)
#include "test_slot_cell.moc"
