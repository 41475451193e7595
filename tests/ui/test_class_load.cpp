// Loading a class onto the board: placement, pictures, labels, and loads that fail.
#include "board/cell_geometry.h"
#include "board/fonts.h"
#include "board/grey.h"
#include "board/rank_look.h"
#include "build/plan_file.h"
#include "board/icon_tag.h"
#include "toolkit/choice_box.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "window_fixture.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

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
        QVERIFY(c.icon->isVisible());
        QVERIFY(c.icon->isEnabled());
        QVERIFY(!c.iconSource->isVisible());
        QCOMPARE(c.icon->pos(), icon);
        QCOMPARE(c.icon->size(), QSize(45, 43));
        QCOMPARE(c.rankLabel->pos(), label);
        QVERIFY(c.rankLabel->isVisible());
        QVERIFY(c.rankLabel->font().bold());
        QCOMPARE(decodeIconTag(c.icon->tag()), (TreeSlot{tree, slot}));
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
        const quint32 colour = c.iconSource->pixelColour(20, 20);
        QVERIFY(colour != greyOf(colour)); // the fixture icons are coloured
        QCOMPARE(c.icon->pixelColour(20, 20), greyOf(colour));
        QCOMPARE(c.iconSource->pixelColour(20, 20), colour);
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
        QCOMPARE(w->board().cell(1, 1).rankLabel->caption(), QStringLiteral("0/5"));
        QCOMPARE(w->board().cell(1, 1).rankLabel->fontColour(), RankGreen);
        QCOMPARE(w->board().cell(5, 1).rankLabel->fontColour(), RankWhite);
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
        QVERIFY(!w->board().cell(7, 1).icon->isVisible());
        QVERIFY(!w->board().cell(7, 1).rankLabel->isVisible());
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
        QTest::mouseClick(w->board().cell(1, 1).icon, Qt::LeftButton);
        QCOMPARE(w->talents().totalPoints, 1);
        chooseEntry(classBox(*w), 1);
        QVERIFY(w.dialogs.messages.isEmpty());
        QCOMPARE(w->talents().totalPoints, 0);
        const Talent &gone = w->talents().at(1, 1);
        QVERIFY(!gone.present);
        QCOMPARE(gone.rank, 0);
        QCOMPARE(gone.maxRank, 0);
        QVERIFY(!w->board().cell(1, 1).icon->isVisible());
        QCOMPARE(treeLabel(*w, 1), QStringLiteral("Named only: 0"));
        QVERIFY(w->talents().at(44, 3).present);
        chooseEntry(classBox(*w), 0);
        QCOMPARE(w->talents().at(1, 1).rank, 0);
        QCOMPARE(w->board().cell(1, 1).rankLabel->caption(), QStringLiteral("0/5"));
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

    void failedLoadsReportAndLeaveAUsableWindow_data()
    {
        QTest::addColumn<QByteArray>("badTree");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const QByteArray start = "Broken\r\n#1 2\r\nname\r\nr1\r\nr2\r\n";
        QTest::newRow("capital end marker") << start + "#EndTalants\r\n" << 6 << "'#EndTalants'";
        QTest::newRow("slot past 44") << start + "#45 1\r\nx\r\ny\r\n" << 6 << "slot 45";
        QTest::newRow("slot 0") << start + "#0 1\r\nx\r\ny\r\n" << 6 << "slot 0";
        QTest::newRow("six ranks") << start + "#2 6\r\nx\r\n" << 6 << "ranks 6";
        QTest::newRow("no ranks") << start + "#2 0\r\nx\r\n" << 6 << "ranks 0";
        QTest::newRow("prerequisite 45") << start + "#2 1 45\r\nx\r\ny\r\n"
                                         << 6 << "prerequisite 45";
        QTest::newRow("negative prerequisite") << start + "#2 1 -3\r\nx\r\ny\r\n"
                                               << 6 << "prerequisite -3";
        QTest::newRow("letters") << start + "#2 x\r\nx\r\n" << 6 << "'x' is not a valid integer";
        QTest::newRow("overflow") << start + "#99999999999 1\r\n" << 6 << "'99999999999'";
        QTest::newRow("ten as one number") << start + "#5 10\r\n" << 6 << "'#5 10'";
        QTest::newRow("tab separated") << start + "#5\t1\r\n" << 6 << "malformed";
    }
    void failedLoadsReportAndLeaveAUsableWindow()
    {
        QFETCH(QByteArray, badTree);
        QFETCH(int, line);
        QFETCH(QString, reason);
        FixtureWorld world;
        world.writeStandardClass();
        world.writeStandardClass(QStringLiteral("Dr"));
        world.writeStandardClass(QStringLiteral("Hu"));
        world.write(QStringLiteral("Dr/2/tal.en"), badTree);
        world.write(QStringLiteral("Dr/2/1.jpg"), solidJpeg(45, 43, Qt::red));
        OpenedWindow w;
        w.open(world);
        QTest::mouseClick(w->board().cell(1, 1).icon, Qt::LeftButton);
        const QByteArray before = formatPlan(0, w->talents());
        chooseEntry(classBox(*w), 1);
        QCOMPARE(w.dialogs.messages.size(), 1);
        const QString text = w.dialogs.messages[0].text;
        QVERIFY2(text.contains(world.path(QStringLiteral("Dr/2/tal.en"))), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("line ") + QString::number(line)), qPrintable(text));
        QVERIFY2(text.contains(reason), qPrintable(text));
        QVERIFY(w->isEnabled());
        QCOMPARE(w->windowTitle(), QStringLiteral("Runeplan 3.1.0"));
        // The class is read whole before it is shown: the board and the class box stay as they
        // were, and the failed change is no step of the history.
        QCOMPARE(formatPlan(classBox(*w)->currentIndex(), w->talents()), before);
        QCOMPARE(w->build().history().count(), 1);
        QCOMPARE(w->talents().at(1, 2).maxRank, 3);
        // And another class still loads.
        chooseEntry(classBox(*w), 2);
        QCOMPARE(w.dialogs.messages.size(), 1);
        QVERIFY(w->talents().at(1, 3).present);
        QCOMPARE(w->talents().totalPoints, 0);
    }

    void missingPicturesOrTreeFileAreNamed_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("background") << "Dd/2/fon.jpg";
        QTest::newRow("emblem") << "Dd/3/icv.jpg";
        QTest::newRow("tree file") << "Dd/1/tal.en";
    }
    void missingPicturesOrTreeFileAreNamed()
    {
        QFETCH(QString, file);
        FixtureWorld world;
        world.writeStandardClass();
        world.remove(file);
        OpenedWindow w;
        w.open(world);
        QCOMPARE(w.dialogs.messages.size(), 1);
        QVERIFY(w.dialogs.messages[0].text.contains(world.path(file)));
        QVERIFY(w->isEnabled());
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
        // The class is read whole before any of it is shown: nothing of it is placed, not even
        // the talents read before the broken picture.
        const TalentTable &table = w->talents();
        QVERIFY(!table.at(1, 1).present && !table.at(2, 1).present);
        QVERIFY(!w->board().cell(2, 1).icon->isVisible());
        QVERIFY(!table.at(1, 2).present);
        QVERIFY(w->isEnabled());
    }

    void moreThanThirtyPrerequisitesAreRefused()
    {
        FixtureWorld world;
        FixtureTree chain{QStringLiteral("Chain"), {{1, 1}}};
        for (int slot = 5; slot <= 44; slot += 4)
            chain.talents.append({slot, 1, slot - 4}); // ten talents with a prerequisite
        world.writeTree(QStringLiteral("Dd"), 1, chain);
        world.writeTree(QStringLiteral("Dd"), 2, chain);
        chain.talents.append({2, 1, 1}); // the 31st
        world.writeTree(QStringLiteral("Dd"), 3, chain);
        OpenedWindow w;
        w.open(world);
        QCOMPARE(w.dialogs.messages.size(), 1);
        const QString text = w.dialogs.messages[0].text;
        QVERIFY2(text.contains(world.path(QStringLiteral("Dd/3/tal.en"))), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("31")), qPrintable(text));
        QVERIFY(w->isEnabled());
    }
};

QTEST_MAIN(TestClassLoad)
#include "test_class_load.moc"
