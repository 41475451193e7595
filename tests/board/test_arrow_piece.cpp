// Which arrow piece joins a talent to its prerequisite, where it stands, and its variant.
#include "board/arrow_piece.h"

#include <QTest>

class TestArrowPiece : public QObject {
    Q_OBJECT

private slots:
    void piece_data();
    void piece();
    void variant_data();
    void variant();
    void bitmapName_data();
    void bitmapName();
};

void TestArrowPiece::piece_data()
{
    QTest::addColumn<int>("dependant");
    QTest::addColumn<int>("prereq");
    QTest::addColumn<QRect>("icon");
    QTest::addColumn<QString>("code"); // empty: no piece
    QTest::addColumn<QPoint>("topLeft");

    // Icons of the board's grid are 45 x 43; W / 2 is 22.
    QTest::newRow("d1: row 2 column 2 under row 1")
        << 6 << 2 << QRect(95, 66, 45, 43) << "d1" << QPoint(107, 45);
    QTest::newRow("d2: two rows straight up")
        << 10 << 2 << QRect(95, 130, 45, 43) << "d2" << QPoint(107, 45);
    QTest::newRow("d3: three rows straight up")
        << 14 << 2 << QRect(95, 194, 45, 43) << "d3" << QPoint(107, 45);
    QTest::newRow("d1: last row, last column")
        << 44 << 40 << QRect(235, 642, 45, 43) << "d1" << QPoint(247, 621);
    QTest::newRow("r1: prerequisite left in the row")
        << 2 << 1 << QRect(95, 2, 45, 43) << "r1" << QPoint(70, 13);
    QTest::newRow("l1: prerequisite right in the row")
        << 1 << 2 << QRect(25, 2, 45, 43) << "l1" << QPoint(25, 13);
    QTest::newRow("l1: column 3 after column 4")
        << 43 << 44 << QRect(165, 642, 45, 43) << "l1" << QPoint(165, 653);
    QTest::newRow("b1: one row up, one column left")
        << 6 << 1 << QRect(95, 66, 45, 43) << "b1" << QPoint(67, 15);
    QTest::newRow("b1: three rows up, same place")
        << 14 << 1 << QRect(95, 194, 45, 43) << "b1" << QPoint(67, 143);
    QTest::newRow("b1: ten rows up")
        << 44 << 3 << QRect(235, 642, 45, 43) << "b1" << QPoint(207, 591);
    QTest::newRow("a1: one row up, one column right")
        << 5 << 2 << QRect(25, 66, 45, 43) << "a1" << QPoint(47, 15);
    QTest::newRow("a1: ten rows up")
        << 41 << 2 << QRect(25, 642, 45, 43) << "a1" << QPoint(47, 591);

    // Icons of another size: the halves are taken from the icon itself, rounded down.
    const QRect odd(300, 400, 31, 51);
    QTest::newRow("d1, odd icon") << 6 << 2 << odd << "d1" << QPoint(305, 379);
    QTest::newRow("d2, odd icon") << 10 << 2 << odd << "d2" << QPoint(305, 307);
    QTest::newRow("d3, odd icon") << 14 << 2 << odd << "d3" << QPoint(305, 235);
    QTest::newRow("r1, odd icon") << 2 << 1 << odd << "r1" << QPoint(275, 415);
    QTest::newRow("l1, odd icon") << 1 << 2 << odd << "l1" << QPoint(300, 415);
    QTest::newRow("b1, odd icon") << 6 << 1 << odd << "b1" << QPoint(272, 349);
    QTest::newRow("a1, odd icon") << 5 << 2 << odd << "a1" << QPoint(315, 349);

    const QRect icon(95, 194, 45, 43);
    QTest::newRow("two columns left, same row") << 3 << 1 << icon << "" << QPoint();
    QTest::newRow("two columns right, same row") << 1 << 3 << icon << "" << QPoint();
    QTest::newRow("two columns left, a row up") << 7 << 1 << icon << "" << QPoint();
    QTest::newRow("three columns right, rows up") << 41 << 4 << icon << "" << QPoint();
    QTest::newRow("four rows straight up") << 17 << 1 << icon << "" << QPoint();
    QTest::newRow("ten rows straight up") << 41 << 1 << icon << "" << QPoint();
    QTest::newRow("straight below") << 1 << 5 << icon << "" << QPoint();
    QTest::newRow("below, one column right") << 2 << 5 << icon << "" << QPoint();
    QTest::newRow("below, one column left") << 1 << 6 << icon << "" << QPoint();
    QTest::newRow("same cell") << 6 << 6 << icon << "" << QPoint();
    QTest::newRow("no prerequisite") << 6 << 0 << icon << "" << QPoint();
    QTest::newRow("prerequisite past 44") << 6 << 45 << icon << "" << QPoint();
    QTest::newRow("negative prerequisite") << 6 << -2 << icon << "" << QPoint();
    QTest::newRow("dependant 0") << 0 << 1 << icon << "" << QPoint();
    QTest::newRow("dependant past 44") << 48 << 44 << icon << "" << QPoint();
}

void TestArrowPiece::piece()
{
    QFETCH(int, dependant);
    QFETCH(int, prereq);
    QFETCH(QRect, icon);
    QFETCH(QString, code);
    QFETCH(QPoint, topLeft);
    const std::optional<ArrowPiece> piece = arrowPiece(dependant, prereq, icon);
    if (code.isEmpty()) {
        QVERIFY2(!piece, piece ? qPrintable(piece->code) : "");
        return;
    }
    QVERIFY(piece);
    QCOMPARE(piece->code, code);
    QCOMPARE(piece->topLeft, topLeft);
}

void TestArrowPiece::variant_data()
{
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("prereq");
    QTest::addColumn<QString>("code"); // the arrow's piece; empty for none
    QTest::addColumn<char>("letter");
    QTest::addColumn<QString>("bitmap");

    QTest::newRow("locked, no points") << false << 0 << 1 << "d1" << 'w' << "arrows/d1w.bmp";
    QTest::newRow("locked, holding points") << false << 3 << 1 << "d1" << 'w' << "arrows/d1w.bmp";
    QTest::newRow("locked at full rank") << false << 5 << 1 << "b1" << 'w' << "arrows/b1w.bmp";
    QTest::newRow("open, no points") << true << 0 << 1 << "d1" << 'g' << "arrows/d1g.bmp";
    QTest::newRow("open, one point") << true << 1 << 1 << "r1" << 'y' << "arrows/r1y.bmp";
    QTest::newRow("open, full rank") << true << 5 << 1 << "d1" << 'y' << "arrows/d1y.bmp";
    QTest::newRow("open, no piece draws it") << true << 0 << 1 << "" << 'g' << "";
    QTest::newRow("open, prerequisite taken away") << true << 1 << 0 << "" << 'w' << "";
}

void TestArrowPiece::variant()
{
    QFETCH(bool, available);
    QFETCH(int, rank);
    QFETCH(int, prereq);
    QFETCH(QString, code);
    QFETCH(char, letter);
    QFETCH(QString, bitmap);
    Talent dependant;
    dependant.present = true;
    dependant.prereq = prereq;
    dependant.maxRank = 5;
    dependant.rank = rank;
    dependant.available = available;
    if (prereq != 0)
        QCOMPARE(arrowVariant(dependant), letter);
    std::optional<ArrowPiece> piece;
    if (!code.isEmpty())
        piece = ArrowPiece{code, QPoint(7, 9)};
    const ArrowLook look = arrowLook(dependant, piece);
    QCOMPARE(look.variant, letter);
    QCOMPARE(look.bitmap, bitmap);
}

void TestArrowPiece::bitmapName_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<char>("letter");
    QTest::addColumn<QString>("name");

    QTest::newRow("d1 open") << "d1" << 'g' << "arrows/d1g.bmp";
    QTest::newRow("a1 locked") << "a1" << 'w' << "arrows/a1w.bmp";
    QTest::newRow("r1 taken") << "r1" << 'y' << "arrows/r1y.bmp";
}

void TestArrowPiece::bitmapName()
{
    QFETCH(QString, code);
    QFETCH(char, letter);
    QFETCH(QString, name);
    QCOMPARE(arrowBitmapName(code, letter), name);
}

QTEST_MAIN(TestArrowPiece)
#include "test_arrow_piece.moc"
