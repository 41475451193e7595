// Showing a class on the board: placement, pictures, labels, and loads that fail reported.
#include "board/cell_geometry.h"
#include "board/fonts.h"
#include "board/grey.h"
#include "board/rank_look.h"
#include "board_driver.h"
#include "toolkit/choice_box.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "window_fixture.h"

#include <QSignalSpy>
#include <QTest>

class TestClassLoad : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerTahoma(); }

    void placesEveryTalentOnItsCell_data()
    {
        QTest::addColumn<int>("tree");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QPoint>("icon");
        QTest::addColumn<QPoint>("label");
        QTest::newRow("tree 1 slot 1") << 1 << 1 << QPoint(25, 2) << QPoint(55, 45);
        QTest::newRow("tree 1 slot 4") << 1 << 4 << QPoint(235, 2) << QPoint(265, 45);
        QTest::newRow("tree 1 slot 41") << 1 << 41 << QPoint(25, 642) << QPoint(55, 685);
        QTest::newRow("tree 2 slot 1") << 2 << 1 << QPoint(325, 2) << QPoint(355, 45);
        QTest::newRow("tree 2 slot 6") << 2 << 6 << QPoint(395, 66) << QPoint(425, 109);
        QTest::newRow("tree 3 slot 1") << 3 << 1 << QPoint(625, 2) << QPoint(655, 45);
        QTest::newRow("tree 3 slot 42") << 3 << 42 << QPoint(695, 642) << QPoint(725, 685);
    }
    void placesEveryTalentOnItsCell()
    {
        QFETCH(int, tree);
        QFETCH(int, slot);
        QFETCH(QPoint, icon);
        QFETCH(QPoint, label);
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        const TalentCell &c = w->board().cell(slot, tree);
        QVERIFY(w->talents().at(slot, tree).present);
        QVERIFY(c.placed);
        QCOMPARE(c.icon.topLeft(), icon);
        QCOMPARE(c.icon.size(), QSize(45, 43));
        QCOMPARE(c.rankBox.topLeft(), label);
        QCOMPARE(w->board().talentAt(icon + QPoint(44, 42)), (TreeSlot{tree, slot}));
        const Talent &t = w->talents().at(slot, tree);
        QCOMPARE(t.slot, slot);
        QCOMPARE(t.row, slotPosition(slot).row);
        QCOMPARE(t.column, slotPosition(slot).column);
    }

    void iconsStartGreyAndKeepTheirColourPicture()
    {
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        const TalentCell &c = w->board().cell(3, 2);
        const quint32 colour = pixelOf(c.colour, 20, 20);
        QVERIFY(colour != greyOf(colour)); // the fixture icons are coloured
        QCOMPARE(pixelOf(c.shownPicture(), 20, 20), greyOf(colour));
        QCOMPARE(pixelOf(c.colour, 20, 20), colour);
    }

    void labelsAndCountersAfterALoad()
    {
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        QCOMPARE(treeLabel(*w, 0), QStringLiteral("First Tree: 0"));
        QCOMPARE(treeLabel(*w, 2), QStringLiteral("Third Tree: 0"));
        QCOMPARE(spentLabel(*w)->caption(), QStringLiteral("en:7: 0"));
        QCOMPARE(freeLabel(*w)->caption(), QStringLiteral("en:8: 71"));
        QCOMPARE(levelLabel(*w)->caption(), QStringLiteral("en:15: 9"));
        // Row 1 without a prerequisite is open; row 2 and a row-1 talent behind a prerequisite
        // are not.
        QCOMPARE(w->board().cell(1, 1).rank.text, QStringLiteral("0/5"));
        QCOMPARE(w->board().cell(1, 1).rank.colour, RankGreen);
        QCOMPARE(w->board().cell(5, 1).rank.colour, RankWhite);
        QVERIFY(w->talents().at(1, 1).available);
        QVERIFY(!w->talents().at(5, 1).available);
    }

    void talentWithoutPictureIsKnownButNotPlaced()
    {
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        const Talent &t = w->talents().at(7, 1);
        QVERIFY(!t.present);
        QCOMPARE(t.maxRank, 3);
        QCOMPARE(t.name, QStringLiteral("en talent 1-7"));
        QVERIFY(!w->board().cell(7, 1).placed);
        // Its dependant is placed but can never open.
        QVERIFY(w->talents().at(11, 1).present);
        QVERIFY(!w->talents().at(11, 1).available);
    }

    void anotherClassClearsWhatTheLastOneHeld()
    {
        FixtureWorld world;
        world.writeStandardClass();
        world.writeTree(QStringLiteral("Dr"), 1, {QStringLiteral("Small"), {{2, 1}}});
        world.writeTree(QStringLiteral("Dr"), 2, {QStringLiteral("Named only"), {}});
        world.writeTree(QStringLiteral("Dr"), 3, {QStringLiteral("Third"), {{44, 2}}});
        OpenedWindow w;
        w.open(world);
        pressTalent(*w, 1, 1);
        QCOMPARE(w->talents().totalPoints, 1);
        chooseEntry(classBox(*w), 1);
        QVERIFY(w.dialogs.messages.isEmpty());
        QCOMPARE(w->talents().totalPoints, 0);
        const Talent &gone = w->talents().at(1, 1);
        QVERIFY(!gone.present);
        QCOMPARE(gone.rank, 0);
        QCOMPARE(gone.maxRank, 0);
        QVERIFY(!w->board().cell(1, 1).placed);
        QCOMPARE(treeLabel(*w, 1), QStringLiteral("Named only: 0"));
        QVERIFY(w->talents().at(44, 3).present);
        chooseEntry(classBox(*w), 0);
        QCOMPARE(w->talents().at(1, 1).rank, 0);
        QCOMPARE(w->board().cell(1, 1).rank.text, QStringLiteral("0/5"));
    }

    void captionShowsTheLoadAndComesBack()
    {
        FixtureWorld world;
        world.writeStandardClass();
        world.writeStandardClass(QStringLiteral("Dr"));
        OpenedWindow w;
        w.open(world);
        QSignalSpy titles(w.window.get(), &QWidget::windowTitleChanged);
        chooseEntry(classBox(*w), 1);
        QCOMPARE(titles.size(), 2);
        QCOMPARE(titles[0][0].toString(), QStringLiteral("en:13"));
        QCOMPARE(titles[1][0].toString(), QStringLiteral("Runeplan 3.1.0"));
    }

    // The class is read whole before it is shown: a class that fails is reported, and the board
    // and the class box stay as they were.
    void aFailedClassChangeLeavesAUsableWindow()
    {
        FixtureWorld world;
        world.writeStandardClass();
        world.writeStandardClass(QStringLiteral("Dr"));
        world.writeStandardClass(QStringLiteral("Hu"));
        world.write(QStringLiteral("Dr/2/tal.en"),
                    "Broken\r\n#1 2\r\nname\r\nr1\r\nr2\r\n#45 1\r\n");
        OpenedWindow w;
        w.open(world);
        pressTalent(*w, 1, 1);
        chooseEntry(classBox(*w), 1);
        QCOMPARE(w.dialogs.messages.size(), 1);
        const QString text = w.dialogs.messages[0].text;
        QVERIFY2(text.contains(world.path(QStringLiteral("Dr/2/tal.en")) +
                               QStringLiteral(", line 6: slot 45")),
                 qPrintable(text));
        QVERIFY(w->isEnabled());
        QCOMPARE(w->windowTitle(), QStringLiteral("Runeplan 3.1.0"));
        QCOMPARE(classBox(*w)->currentIndex(), 0);
        QCOMPARE(w->board().cell(1, 1).rank.text, QStringLiteral("1/5"));
        // And another class still loads.
        chooseEntry(classBox(*w), 2);
        QCOMPARE(w.dialogs.messages.size(), 1);
        QCOMPARE(w->board().cell(1, 1).rank.text, QStringLiteral("0/5"));
    }

    void brokenIconIsNamed()
    {
        FixtureWorld world;
        world.writeStandardClass();
        world.write(QStringLiteral("Dd/1/3.jpg"), "not a picture");
        OpenedWindow w;
        w.open(world);
        QCOMPARE(w.dialogs.messages.size(), 1);
        QVERIFY(w.dialogs.messages[0].text.contains(world.path(QStringLiteral("Dd/1/3.jpg"))));
        // The class is read whole before any of it is shown: not even the talents read before the
        // broken picture are.
        QVERIFY(!w->board().cell(2, 1).placed);
        QVERIFY(w->isEnabled());
    }
};

QTEST_MAIN(TestClassLoad)
#include "test_class_load.moc"
