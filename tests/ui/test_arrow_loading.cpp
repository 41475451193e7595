// The prerequisite arrows as a class's files are loaded: trees with open, odd or repeated
// relations, a full list of arrows, another class chosen, and a bitmap missing from the data
// folder.
#include "arrow_entries.h"
#include "board_driver.h"
#include "standard_window_test.h"

#include <QTest>

Q_DECLARE_METATYPE(FixtureTree)

namespace {
const FixtureTree OneTalent{QStringLiteral("Plain"), {{1, 1}}};
} // namespace

class TestArrowLoading : public StandardWindowTest {
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

QTEST_MAIN(TestArrowLoading)
#include "test_arrow_loading.moc"
