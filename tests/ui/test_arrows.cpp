// The prerequisite arrows on the board: which piece, where, in which variant, and when a bitmap is
// read.
#include "board/fonts.h"
#include "board_driver.h"
#include "standard_window_test.h"
#include "toolkit/image_control.h"
#include "ui/arrow_layer.h"

#include <QTest>
#include <tuple>

Q_DECLARE_METATYPE(FixtureTree)

namespace {

// The fixture draws each piece at its own size and each variant in its own colour, so the picture
// an arrow shows tells which bitmap it came from.
QSize pieceSize(const QString &code)
{
    static const QHash<QString, QSize> sizes{{"d1", {20, 21}}, {"d2", {20, 85}}, {"d3", {20, 149}},
                                             {"r1", {25, 20}}, {"l1", {70, 20}}, {"b1", {40, 53}},
                                             {"a1", {50, 53}}};
    return sizes.value(code);
}

quint32 variantColour(char variant)
{
    switch (variant) {
    case 'g':
        return colourValue(0, 220, 0);
    case 'y':
        return colourValue(240, 200, 0);
    default:
        return colourValue(200, 200, 200);
    }
}

quint32 shownColour(const ArrowEntry &entry)
{
    const QImage &piece = entry.picture;
    const QRgb p = piece.pixel(piece.width() / 2, piece.height() / 2);
    return colourValue(qRed(p), qGreen(p), qBlue(p));
}

// The entry in use whose arrow points at (slot, tree), or nullptr.
const ArrowEntry *arrowOf(const MainWindow &w, int slot, int tree)
{
    for (int k = 0; k < w.board().arrows().count(); ++k) {
        const ArrowEntry &entry = w.board().arrows().entries()[static_cast<size_t>(k)];
        if (entry.slot == slot && entry.tree == tree)
            return &entry;
    }
    return nullptr;
}

QList<QPoint> placedArrows(const MainWindow &w)
{
    QList<QPoint> out;
    for (int k = 0; k < w.board().arrows().count(); ++k)
        out.append({w.board().arrows().entries()[static_cast<size_t>(k)].slot,
                    w.board().arrows().entries()[static_cast<size_t>(k)].tree});
    return out;
}

// The arrow images of the standard class, in the order the loader registers them: tree 1, then
// tree 2, each in the order of its tree file.
const QList<QPoint> StandardArrows = {{6, 1}, {10, 1}, {11, 1}, {14, 1}, {5, 2},  {6, 2}, {8, 2},
                                      {7, 2}, {9, 2},  {10, 2}, {11, 2}, {16, 2}, {19, 2}};

const FixtureTree OneTalent{QStringLiteral("Plain"), {{1, 1}}};

} // namespace

class TestArrows : public StandardWindowTest {
    Q_OBJECT
    // Opens a window on `world` with `firstTree` as the first class's tree 1 and one talent in each
    // of its other trees. The world outlives the window: each test closes it first.
    void openOnFirstTree(FixtureWorld &world, const FixtureTree &firstTree)
    {
        world.writeTree(QStringLiteral("Dd"), 1, firstTree);
        world.writeTree(QStringLiteral("Dd"), 2, OneTalent);
        world.writeTree(QStringLiteral("Dd"), 3, OneTalent);
        w_.window.reset();
        w_.open(world);
    }

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

    void anOpenDependantShowsOpenAfterTheLoad()
    {
        // Slot 3 holds no talent, so nothing is missing for slot 2; slot 5 waits for slot 1.
        FixtureWorld world;
        openOnFirstTree(world, {QStringLiteral("Open"), {{1, 1}, {2, 1, 3}, {5, 1, 1}}});
        QVERIFY(w_.dialogs.messages.isEmpty());
        const MainWindow &w = *w_.window;
        QCOMPARE(placedArrows(w), (QList<QPoint>{{2, 1}, {5, 1}}));
        const ArrowEntry &open = w.board().arrows().entries()[0];
        QCOMPARE(open.variant, 'g');
        QCOMPARE(shownColour(open), variantColour('g'));
        QCOMPARE(open.at, QPoint(95, 13));
        QCOMPARE(open.picture.size(), pieceSize("l1"));
        const ArrowEntry &locked = w.board().arrows().entries()[1];
        QCOMPARE(locked.variant, 'w');
        QCOMPARE(shownColour(locked), variantColour('w'));
        QCOMPARE(locked.at, QPoint(37, 45));
        // Each arrow takes one bitmap, in the variant it shows when the load is over.
        QCOMPARE(w.board().arrows().reads(), 2);
        w_.window.reset(); // before its data folder goes
    }

    void anotherClassHidesTheArrowsOfTheLast()
    {
        FixtureWorld world;
        world.writeStandardClass();
        world.writeTree(QStringLiteral("Dr"), 1, {QStringLiteral("Small"), {{1, 1}, {5, 1, 1}}});
        world.writeTree(QStringLiteral("Dr"), 2, OneTalent);
        world.writeTree(QStringLiteral("Dr"), 3, OneTalent);
        for (int tree = 1; tree <= 3; ++tree)
            world.writeTree(QStringLiteral("Hu"), tree, OneTalent);
        w_.window.reset();
        w_.open(world);
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 3);
        pressTalentTimes(w, 2, 1, 3);
        QCOMPARE(arrowOf(w, 6, 1)->variant, 'g');

        chooseEntry(classBox(w), 1);
        QVERIFY(w_.dialogs.messages.isEmpty());
        QCOMPARE(placedArrows(w), (QList<QPoint>{{5, 1}}));
        const ArrowEntry &only = w.board().arrows().entries()[0];
        QVERIFY(only.shown);
        QCOMPARE(only.variant, 'w');
        QCOMPARE(shownColour(only), variantColour('w'));
        QCOMPARE(only.at, QPoint(37, 45));
        for (int k = 1; k < 30; ++k) {
            const ArrowEntry &entry = w.board().arrows().entries()[static_cast<size_t>(k)];
            QVERIFY2(!entry.shown, qPrintable(QString::number(k + 1)));
            QCOMPARE(entry.slot, 0);
            QCOMPARE(entry.tree, 0);
            QCOMPARE(entry.variant, 'w');
        }

        chooseEntry(classBox(w), 2);
        QCOMPARE(w.board().arrows().count(), 0);
        for (const ArrowEntry &entry : w.board().arrows().entries())
            QVERIFY(!entry.shown);

        // Back to the first class: every arrow anew and locked, the earlier points gone.
        chooseEntry(classBox(w), 0);
        QCOMPARE(placedArrows(w), StandardArrows);
        for (int k = 0; k < 13; ++k) {
            const ArrowEntry &entry = w.board().arrows().entries()[static_cast<size_t>(k)];
            QVERIFY(entry.shown);
            QCOMPARE(entry.variant, 'w');
            QCOMPARE(shownColour(entry), variantColour('w'));
        }
        QVERIFY(w_.dialogs.messages.isEmpty());
        w_.window.reset();
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

    void relationsWithoutAPieceStayHidden()
    {
        // Tree 1: slot 2 needs slot 6 below it, slot 3 needs slot 1 two columns away, slot 4 needs
        // itself, slot 17 needs slot 1 four rows up. None has a piece.
        FixtureWorld world;
        openOnFirstTree(world, {QStringLiteral("Odd"),
                                {{1, 5}, {2, 1, 6}, {3, 1, 1}, {4, 1, 4}, {6, 5}, {17, 1, 1}}});
        MainWindow &w = *w_.window;
        QVERIFY(w_.dialogs.messages.isEmpty());
        QCOMPARE(placedArrows(w), (QList<QPoint>{{2, 1}, {3, 1}, {4, 1}, {17, 1}}));

        auto verifyAllHidden = [&] {
            for (const ArrowEntry &entry : w.board().arrows().entries())
                QVERIFY(!entry.shown);
            QCOMPARE(w.board().arrows().reads(), 0);
            QVERIFY(w_.dialogs.messages.isEmpty());
            QVERIFY(w.isEnabled());
        };
        verifyAllHidden();

        pressTalentTimes(w, 1, 1, 5); // slot 3's prerequisite full, row 2 open
        QCOMPARE(arrowOf(w, 3, 1)->variant, 'g');
        pressTalentTimes(w, 6, 1, 5); // slot 2's prerequisite full
        QCOMPARE(arrowOf(w, 2, 1)->variant, 'g');
        pressTalent(w, 2, 1);
        QCOMPARE(arrowOf(w, 2, 1)->variant, 'y');
        verifyAllHidden();

        // A point taken from a prerequisite below its dependant is not held back, so the
        // dependant keeps a point without its requirement: its arrow is locked again.
        pressTalent(w, 6, 1, Qt::RightButton);
        QCOMPARE(w.talents().at(2, 1).rank, 1);
        QVERIFY(!w.talents().at(2, 1).available);
        QCOMPARE(arrowOf(w, 2, 1)->variant, 'w');
        verifyAllHidden();
        w_.window.reset();
    }

    void aSlotNamedTwiceKeepsOneArrow_data()
    {
        QTest::addColumn<FixtureTree>("tree");
        QTest::addColumn<QString>("code"); // empty: no arrow shown
        QTest::addColumn<QPoint>("topLeft");
        const QVector<FixtureTalent> start{{1, 3}, {2, 3}};
        QTest::newRow("no piece, then one")
            << FixtureTree{QStringLiteral("Twice"),
                           start + QVector<FixtureTalent>{{6, 1, 8}, {6, 1, 2}}}
            << "d1" << QPoint(107, 45);
        QTest::newRow("a piece, then another")
            << FixtureTree{QStringLiteral("Twice"),
                           start + QVector<FixtureTalent>{{6, 1, 2}, {6, 1, 1}}}
            << "b1" << QPoint(67, 15);
        QTest::newRow("a piece, then no prerequisite")
            << FixtureTree{QStringLiteral("Twice"),
                           start + QVector<FixtureTalent>{{6, 1, 2}, {6, 1}}}
            << "" << QPoint();
    }
    void aSlotNamedTwiceKeepsOneArrow()
    {
        QFETCH(FixtureTree, tree);
        QFETCH(QString, code);
        QFETCH(QPoint, topLeft);
        FixtureWorld world;
        openOnFirstTree(world, tree);
        MainWindow &w = *w_.window;
        QVERIFY(w_.dialogs.messages.isEmpty());
        QCOMPARE(w.board().arrows().count(), 1);
        const ArrowEntry &entry = w.board().arrows().entries()[0];
        if (code.isEmpty()) {
            QVERIFY(!entry.shown);
        } else {
            QVERIFY(entry.shown);
            QCOMPARE(entry.at, topLeft);
            QCOMPARE(entry.picture.size(), pieceSize(code));
            QCOMPARE(shownColour(entry), variantColour('w'));
        }
        // The arrow follows its talent as any other.
        pressTalentTimes(w, 1, 1, 3);
        pressTalentTimes(w, 2, 1, 3);
        QCOMPARE(entry.shown, !code.isEmpty());
        if (!code.isEmpty())
            QCOMPARE(shownColour(entry), variantColour('g'));
        w_.window.reset();
    }

    void thirtyArrowsFillTheList()
    {
        FixtureWorld world;
        FixtureTree chain{QStringLiteral("Chain"), {{1, 1}}};
        for (int slot = 5; slot <= 44; slot += 4)
            chain.talents.append({slot, 1, slot - 4});
        for (int tree = 1; tree <= 3; ++tree)
            world.writeTree(QStringLiteral("Dd"), tree, chain);
        w_.window.reset();
        w_.open(world);
        const MainWindow &w = *w_.window;
        QVERIFY(w_.dialogs.messages.isEmpty());
        QCOMPARE(w.board().arrows().count(), 30);
        const ArrowEntry &last = w.board().arrows().entries()[29];
        QCOMPARE(last.slot, 41);
        QCOMPARE(last.tree, 3);
        QVERIFY(last.shown);
        QCOMPARE(last.at, QPoint(637, 621));
        // Slot 5 of each tree waits for its row only: five points above that it can't have yet.
        for (const ArrowEntry &entry : w.board().arrows().entries())
            QCOMPARE(entry.variant, 'w');
        w_.window.reset();
    }

    void aMissingBitmapIsReportedWhenNeeded_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Presses>("before");
        QTest::addColumn<int>("errors");
        QTest::addColumn<QPoint>("arrow"); // slot, tree of the arrow that needs the file
        QTest::addColumn<char>("variant");

        QTest::newRow("open variant, needed by a press")
            << "arrows/d1g.bmp" << presses({{1, 1, 3}, {2, 1, 3}}) << 1 << QPoint(6, 1) << 'g';
        QTest::newRow("taken variant, needed by a press")
            << "arrows/r1y.bmp" << presses({{1, 2, 3}, {2, 2, 2}, {5, 2, 5}, {6, 2, 1}}) << 1
            << QPoint(6, 2) << 'y';
        QTest::newRow("locked variant, needed by the load")
            << "arrows/d2w.bmp" << Presses{} << 1 << QPoint(16, 2) << 'w';
        QTest::newRow("never needed")
            << "arrows/a1y.bmp" << presses({{1, 1, 2}}) << 0 << QPoint(11, 2) << 'w';
    }
    void aMissingBitmapIsReportedWhenNeeded()
    {
        QFETCH(QString, file);
        QFETCH(Presses, before);
        QFETCH(int, errors);
        QFETCH(QPoint, arrow);
        QFETCH(char, variant);
        FixtureWorld world;
        world.writeStandardClass();
        world.remove(file);
        w_.window.reset();
        w_.open(world);
        MainWindow &w = *w_.window;
        pressAll(w, before);
        QCOMPARE(w_.dialogs.messages.size(), errors);
        if (errors > 0) {
            const QString text = w_.dialogs.messages[0].text;
            QVERIFY2(text.contains(world.path(file)), qPrintable(text));
        }
        if (before.isEmpty() && errors > 0) {
            // The load itself needs the bitmap: the class is not shown at all.
            QVERIFY(!w.talents().at(1, 1).present);
            QCOMPARE(w.board().arrows().count(), 0);
            w_.window.reset();
            return;
        }
        // The arrow keeps its place and its new letter, and stays shown.
        const ArrowEntry *entry = arrowOf(w, arrow.x(), arrow.y());
        QVERIFY(entry);
        QCOMPARE(entry->variant, variant);
        QVERIFY(entry->shown);
        // The window goes on: enabled, with its caption, taking presses without new errors.
        QVERIFY(w.isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Runeplan 3.1.0"));
        const int points = w.talents().totalPoints;
        pressTalent(w, 4, 1);
        QCOMPARE(w.talents().totalPoints, points + 1);
        QCOMPARE(w_.dialogs.messages.size(), errors);
        w_.window.reset();
    }
};

QTEST_MAIN(TestArrows)
#include "test_arrows.moc"
