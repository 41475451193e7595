// The prerequisite arrows on the board of the standard class: which piece, where, in which variant
// as the presses change it, and when a bitmap is read.
#include "arrow_entries.h"
#include "board_driver.h"
#include "standard_window_test.h"

#include <QTest>

class TestArrows : public StandardWindowTest {
    Q_OBJECT
private slots:

    void entriesFollowThePlacementOrder()
    {
        const MainWindow &w = *w_.window;
        QCOMPARE(w.board().arrows().entries().size(), size_t(30));
        QCOMPARE(w.board().arrows().count(), 13);
        QCOMPARE(placedArrows(w), StandardArrows);
        for (int k = 0; k < 30; ++k) {
            const ArrowEntry &entry = w.board().arrows().entries()[static_cast<size_t>(k)];
            // Drawn without its key colour.
            QVERIFY(!entry.shown || entry.picture.hasAlphaChannel());
            QCOMPARE(entry.shown, k < 13);
            if (k >= 13) {
                QCOMPARE(entry.slot, 0);
                QCOMPARE(entry.tree, 0);
            }
        }
        // Each arrow read its locked bitmap once, at registration.
        QCOMPARE(w.board().arrows().reads(), 13);
    }

    void piecesStandBesideTheirDependants_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("tree");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QPoint>("topLeft");

        // Icons stand at 25 + 70 (column - 1) + 300 (tree - 1), 2 + 64 (row - 1).
        QTest::newRow("tree 1 slot 6, row 1 above") << 6 << 1 << "d1" << QPoint(107, 45);
        QTest::newRow("tree 1 slot 10") << 10 << 1 << "d1" << QPoint(107, 109);
        QTest::newRow("tree 1 slot 11, prerequisite without picture")
            << 11 << 1 << "d1" << QPoint(177, 109);
        QTest::newRow("tree 1 slot 14") << 14 << 1 << "d1" << QPoint(107, 173);
        QTest::newRow("tree 2 slot 5") << 5 << 2 << "d1" << QPoint(337, 45);
        QTest::newRow("tree 2 slot 6, prerequisite on the left")
            << 6 << 2 << "r1" << QPoint(370, 77);
        QTest::newRow("tree 2 slot 8") << 8 << 2 << "d1" << QPoint(547, 45);
        QTest::newRow("tree 2 slot 7, prerequisite on the right")
            << 7 << 2 << "l1" << QPoint(465, 77);
        QTest::newRow("tree 2 slot 9") << 9 << 2 << "d1" << QPoint(337, 109);
        QTest::newRow("tree 2 slot 10, above on the left") << 10 << 2 << "b1" << QPoint(367, 79);
        QTest::newRow("tree 2 slot 11, above on the right") << 11 << 2 << "a1" << QPoint(487, 79);
        QTest::newRow("tree 2 slot 16, two rows") << 16 << 2 << "d2" << QPoint(547, 109);
        QTest::newRow("tree 2 slot 19, three rows") << 19 << 2 << "d3" << QPoint(477, 109);
    }
    void piecesStandBesideTheirDependants()
    {
        QFETCH(int, slot);
        QFETCH(int, tree);
        QFETCH(QString, code);
        QFETCH(QPoint, topLeft);
        const ArrowEntry *entry = arrowOf(*w_.window, slot, tree);
        QVERIFY(entry);
        QVERIFY(entry->shown);
        QCOMPARE(entry->at, topLeft);
        QCOMPARE(entry->picture.size(), pieceSize(code));
        QCOMPARE(entry->variant, 'w');
        QCOMPARE(shownColour(*entry), variantColour('w'));
    }

    void variantFollowsThePresses()
    {
        MainWindow &w = *w_.window;
        // Tree 1: slot 6 (2 ranks) needs slot 2 (3 ranks) and five points in row 1.
        struct Step {
            int slot;
            Qt::MouseButton button;
            char variant;
            int reads; // bitmaps read by this press
        };
        const Step steps[] = {
            {1, Qt::LeftButton, 'w', 0},  {1, Qt::LeftButton, 'w', 0},
            {1, Qt::LeftButton, 'w', 0},  {2, Qt::LeftButton, 'w', 0},
            {2, Qt::LeftButton, 'w', 0}, // row 2 opens, slot 6 not yet
            {2, Qt::LeftButton, 'g', 1}, // prerequisite full
            {6, Qt::LeftButton, 'y', 1}, // a point in the dependant
            {6, Qt::LeftButton, 'y', 0},  {6, Qt::RightButton, 'y', 0},
            {6, Qt::RightButton, 'g', 1}, // its last point back
            {2, Qt::LeftButton, 'g', 0},  // prerequisite already full
            {2, Qt::RightButton, 'w', 1}, // prerequisite short again
            {2, Qt::LeftButton, 'g', 1},
        };
        const ArrowEntry *entry = arrowOf(w, 6, 1);
        QVERIFY(entry);
        int step = 0;
        for (const Step &s : steps) {
            ++step;
            const int readsBefore = w.board().arrows().reads();
            pressTalent(w, s.slot, 1, s.button);
            QVERIFY2(entry->variant == s.variant, qPrintable(QString::number(step)));
            QCOMPARE(w.board().arrows().reads() - readsBefore, s.reads);
            QCOMPARE(shownColour(*entry), variantColour(s.variant));
            QVERIFY(entry->shown);
            QCOMPARE(entry->at, QPoint(107, 45));
            QCOMPARE(entry->picture.size(), pieceSize("d1"));
        }
        // The arrow below it never moved: slot 10 needs ten points above row 3.
        QCOMPARE(arrowOf(w, 10, 1)->variant, 'w');
        QVERIFY(w_.dialogs.messages.isEmpty());
    }

    void pressesThatChangeNoDependantReadNothing_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("tree");
        QTest::addColumn<int>("button");
        QTest::newRow("a tree without arrows") << 1 << 3 << int(Qt::LeftButton);
        QTest::newRow("a locked talent") << 5 << 1 << int(Qt::LeftButton);
        QTest::newRow("a locked dependant") << 6 << 1 << int(Qt::LeftButton);
        QTest::newRow("right press at rank 0") << 1 << 1 << int(Qt::RightButton);
        QTest::newRow("middle press") << 1 << 1 << int(Qt::MiddleButton);
        QTest::newRow("a prerequisite short of full rank") << 1 << 2 << int(Qt::LeftButton);
    }
    void pressesThatChangeNoDependantReadNothing()
    {
        QFETCH(int, slot);
        QFETCH(int, tree);
        QFETCH(int, button);
        MainWindow &w = *w_.window;
        const int reads = w.board().arrows().reads();
        pressTalentTimes(w, slot, tree, 2, Qt::MouseButton(button));
        QCOMPARE(w.board().arrows().reads(), reads);
        for (int k = 0; k < w.board().arrows().count(); ++k)
            QCOMPARE(w.board().arrows().entries()[static_cast<size_t>(k)].variant, 'w');
    }

    void resetLocksEveryArrowAgain()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 2);
        pressTalentTimes(w, 2, 1, 3);
        pressTalent(w, 6, 1);
        QCOMPARE(arrowOf(w, 6, 1)->variant, 'y');
        resetButton(w)->click();
        QCOMPARE(placedArrows(w), StandardArrows);
        QCOMPARE(arrowOf(w, 6, 1)->variant, 'w');
        QCOMPARE(shownColour(*arrowOf(w, 6, 1)), variantColour('w'));
        QCOMPARE(arrowOf(w, 6, 1)->at, QPoint(107, 45));
    }
};

QTEST_MAIN(TestArrows)
#include "test_arrows.moc"
