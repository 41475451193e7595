#include "board/cell_geometry.h"

#include <QRect>
#include <QTest>

// Where the icons and rank labels of the three trees sit on the window.
class TestCellGeometry : public QObject {
    Q_OBJECT

private slots:
    void iconPosition_data();
    void iconPosition();
    void rowsAreEvenlySpaced();
    void rankLabelPosition_data();
    void rankLabelPosition();
    void iconsOfATreeNeverOverlap();
};

void TestCellGeometry::iconPosition_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("tree");
    QTest::addColumn<int>("treeWidth");
    QTest::addColumn<QPoint>("position");

    QTest::newRow("slot 1") << 1 << 1 << 300 << QPoint(25, 2);
    QTest::newRow("column 2") << 2 << 1 << 300 << QPoint(95, 2);
    QTest::newRow("column 3") << 3 << 1 << 300 << QPoint(165, 2);
    QTest::newRow("column 4") << 4 << 1 << 300 << QPoint(235, 2);
    QTest::newRow("row 2") << 5 << 1 << 300 << QPoint(25, 66);
    QTest::newRow("row 3") << 9 << 1 << 300 << QPoint(25, 130);
    QTest::newRow("middle") << 22 << 1 << 300 << QPoint(95, 322);
    QTest::newRow("row 11") << 41 << 1 << 300 << QPoint(25, 642);
    QTest::newRow("slot 44") << 44 << 1 << 300 << QPoint(235, 642);
    QTest::newRow("tree 2") << 1 << 2 << 300 << QPoint(325, 2);
    QTest::newRow("tree 3") << 1 << 3 << 300 << QPoint(625, 2);
    QTest::newRow("tree 3, slot 44") << 44 << 3 << 300 << QPoint(835, 642);
    QTest::newRow("tree 2, narrower background") << 1 << 2 << 280 << QPoint(305, 2);
    QTest::newRow("tree 1 ignores the width") << 6 << 1 << 999 << QPoint(95, 66);
}

void TestCellGeometry::iconPosition()
{
    QFETCH(int, slot);
    QFETCH(int, tree);
    QFETCH(int, treeWidth);
    QFETCH(QPoint, position);
    QCOMPARE(::iconPosition(slot, tree, treeWidth), position);
}

void TestCellGeometry::rowsAreEvenlySpaced()
{
    const int expectedTops[RowsPerTree] = {2, 66, 130, 194, 258, 322, 386, 450, 514, 578, 642};
    for (int row = 1; row <= RowsPerTree; ++row) {
        for (int slot = firstSlotOfRow(row); slot < firstSlotOfRow(row) + ColumnsPerRow; ++slot)
            QCOMPARE(::iconPosition(slot, 1, 300).y(), expectedTops[row - 1]);
    }
}

void TestCellGeometry::rankLabelPosition_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("tree");
    QTest::addColumn<QPoint>("position");

    QTest::newRow("slot 1") << 1 << 1 << QPoint(55, 45);
    QTest::newRow("slot 6") << 6 << 1 << QPoint(125, 109);
    QTest::newRow("tree 3, slot 44") << 44 << 3 << QPoint(865, 685);
}

void TestCellGeometry::rankLabelPosition()
{
    QFETCH(int, slot);
    QFETCH(int, tree);
    QFETCH(QPoint, position);
    QCOMPARE(::rankLabelPosition(::iconPosition(slot, tree, 300)), position);
}

void TestCellGeometry::iconsOfATreeNeverOverlap()
{
    for (int a = 1; a <= SlotsPerTree; ++a) {
        const QRect first(::iconPosition(a, 1, 300), QSize(IconWidth, IconHeight));
        for (int b = a + 1; b <= SlotsPerTree; ++b) {
            const QRect second(::iconPosition(b, 1, 300), QSize(IconWidth, IconHeight));
            QVERIFY2(!first.intersects(second), qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
        }
    }
}

QTEST_MAIN(TestCellGeometry)
#include "test_cell_geometry.moc"
