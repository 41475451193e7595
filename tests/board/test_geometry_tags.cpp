#include "board/icon_tag.h"
#include "talents/slot_cell.h"

#include <QSet>
#include <QTest>

// Where a slot sits on the board, and the tag that ties an icon back to its tree and slot.
class TestGeometryTags : public QObject {
    Q_OBJECT

private slots:
    void slotCell_data();
    void slotCell();
    void everySlotLiesInItsRow();
    void encodeIconTag_data();
    void encodeIconTag();
    void everyTagDecodesToItsCell();
};

void TestGeometryTags::slotCell_data()
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

void TestGeometryTags::slotCell()
{
    QFETCH(int, slot);
    QFETCH(int, row);
    QFETCH(int, column);
    QCOMPARE(slotPosition(slot), (SlotPosition{row, column}));
}

void TestGeometryTags::everySlotLiesInItsRow()
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

void TestGeometryTags::encodeIconTag_data()
{
    QTest::addColumn<int>("tree");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("tag");

    QTest::newRow("1/10") << 1 << 10 << 110;
    QTest::newRow("2/9") << 2 << 9 << 29;
    QTest::newRow("1/5") << 1 << 5 << 15;
    QTest::newRow("2/12") << 2 << 12 << 212;
    QTest::newRow("3/44") << 3 << 44 << 344;
    QTest::newRow("1/1") << 1 << 1 << 11;
    QTest::newRow("3/1") << 3 << 1 << 31;
    QTest::newRow("1/11") << 1 << 11 << 111;
    QTest::newRow("3/9") << 3 << 9 << 39;
}

void TestGeometryTags::encodeIconTag()
{
    QFETCH(int, tree);
    QFETCH(int, slot);
    QFETCH(int, tag);
    QCOMPARE(::encodeIconTag(tree, slot), tag);
    QCOMPARE(decodeIconTag(tag), (TreeSlot{tree, slot}));
}

void TestGeometryTags::everyTagDecodesToItsCell()
{
    QSet<int> tags;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const int tag = ::encodeIconTag(tree, slot);
            tags.insert(tag);
            const TreeSlot back = decodeIconTag(tag);
            QVERIFY2(back == (TreeSlot{tree, slot}),
                     qPrintable(QStringLiteral("tree %1 slot %2 -> tag %3 -> tree %4 slot %5")
                                    .arg(tree)
                                    .arg(slot)
                                    .arg(tag)
                                    .arg(back.tree)
                                    .arg(back.slot)));
        }
    }
    QCOMPARE(tags.size(), TreeCount * SlotsPerTree);
}

QTEST_APPLESS_MAIN(TestGeometryTags)
#include "test_geometry_tags.moc"
