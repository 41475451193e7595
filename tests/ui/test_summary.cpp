// The summary through the window: its key, its picture and the files it saves.
#include "base/write_file.h"
#include "board/rank_look.h"
#include "board/trees_picture.h"
#include "board_driver.h"
#include "build/build_picture.h"
#include "bundled_world.h"
#include "standard_window_test.h"
#include "toolkit/choice_box.h"

#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <array>

namespace {

// A plan of the class: per tree the ranks of its first slots, the rest at 0.
QString planText(int classIndex, const std::array<const char *, 3> &trees)
{
    QString text = QString::number(classIndex) + u'\n';
    for (const char *ranks : trees)
        text += QString::fromLatin1(ranks).leftJustified(44, u'0') + u'\n';
    return text;
}

} // namespace

class TestSummary : public StandardWindowTest {
    Q_OBJECT
private slots:
    void theSummaryOpensFromItsKey()
    {
        MainWindow &w = *w_.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F2);
        QCOMPARE(w_.dialogs.modals.size(), 1);
    }

    void thePictureShowsTheBuildAlone()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 5);
        const QImage picture = paintTrees(treesPictureOf(w.build()), 1);
        QCOMPARE(picture.size(), QSize(910, 721));
        QCOMPARE(paintTrees(treesPictureOf(w.build()), 2).size(), QSize(1820, 1442));
        // The full talent's label in gold.
        const QRect label = w.board().cell(1, 1).rankBox;
        bool gold = false;
        for (int y = label.top(); y <= label.bottom(); ++y)
            for (int x = label.left(); x <= label.right(); ++x)
                gold = gold || picture.pixelColor(x, y) == RankGold;
        QVERIFY(gold);
        // Neither the tooltip, the focus frame nor a search's dimming reaches the picture.
        pointAtTalent(w, 1, 1);
        QVERIFY(w.findChild<QWidget *>(QStringLiteral("p_info"))->isVisible());
        boardOf(w)->focusTalent({1, 1});
        boardOf(w)->openSearch();
        QTest::keyClicks(w.findChild<QLineEdit *>(QStringLiteral("ed_search")),
                         QStringLiteral("zz"));
        QVERIFY(w.board().cell(2, 1).dimmed);
        QCOMPARE(paintTrees(treesPictureOf(w.build()), 1), picture);
    }

    // The picture, painted from what the board shows, is the one its controls draw.
    void thePictureIsWhatTheControlsDraw_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("plan");
        QTest::addColumn<int>("scale");
        QTest::newRow("empty board") << "en" << planText(0, {"", "", ""}) << 1;
        QTest::newRow("three trees, 2x") << "en" << planText(0, {"532", "53", "23"}) << 2;
        QTest::newRow("70 points in Russian")
            << "ru" << planText(0, {"553032050323140", "535030120330014", "4"}) << 1;
        QTest::newRow("another class in Russian, 2x") << "ru" << planText(4, {"52", "", "53"}) << 2;
    }

    void thePictureIsWhatTheControlsDraw()
    {
        QFETCH(QString, language);
        QFETCH(QString, plan);
        QFETCH(int, scale);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("build.plan"));
        writeWholeFile(path, plan.toLatin1());
        MainWindow w(QFileInfo(worldDir()).absolutePath(), {QString(), language});
        w.openArgument(path);
        QVERIFY(w_.dialogs.messages.isEmpty());
        // The trees as the window's board renders them, as the picture was once made.
        const QRect trees(QPoint(0, 0), treesPictureOf(w.build()).size);
        QImage rendered(trees.size() * scale, QImage::Format_RGB32);
        rendered.fill(Qt::black);
        QPainter painter(&rendered);
        painter.scale(scale, scale);
        w.render(&painter, QPoint(), QRegion(trees),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
        QCOMPARE(paintTrees(treesPictureOf(w.build()), scale), rendered);
    }

    // With the keyboard's frame on a talent and a search dimming others, the board is the
    // picture with only those marks over it, also at device pixel ratio 2: each dimmed icon
    // shaded black at two thirds, the frame in the tree names' yellow on the two pixels along
    // the framed icon's edge (its outer corner pixels are bevelled off, left out here).
    void theFrameAndTheDimmingMarkOnlyTheirIcons_data()
    {
        QTest::addColumn<int>("ratio");
        QTest::newRow("ratio 1") << 1;
        QTest::newRow("ratio 2") << 2;
    }
    void theFrameAndTheDimmingMarkOnlyTheirIcons()
    {
        QFETCH(int, ratio);
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 5);
        pressTalent(w, 2, 1);
        BoardView *board = boardOf(w);
        board->focusTalent({1, 2});
        board->openSearch();
        QTest::keyClicks(w.findChild<QLineEdit *>(QStringLiteral("ed_search")),
                         QStringLiteral("talent 1-1"));
        QVERIFY(board->framed());
        QImage expected = paintTrees(treesPictureOf(w.build()), ratio);
        expected.setDevicePixelRatio(ratio);
        QImage shown(expected.size(), QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        const QRect trees(QPoint(), expected.deviceIndependentSize().toSize());
        board->render(&shown, QPoint(), QRegion(trees));

        QPainter marks(&expected);
        int dimmed = 0;
        for (const TreeSlot &at : board->placedTalents()) {
            if (board->cell(at.slot, at.tree).dimmed) {
                marks.fillRect(board->cell(at.slot, at.tree).icon, QColor(0, 0, 0, 170));
                ++dimmed;
            }
        }
        QVERIFY(dimmed > 0 && dimmed < board->placedTalents().size());
        const QRect framed = board->cell(2, 1).icon;
        marks.setClipRegion(QRegion(framed) - QRegion(framed.adjusted(2, 2, -2, -2)));
        marks.fillRect(framed, TreeLabelColour);
        marks.end();
        for (QImage *image : {&expected, &shown}) {
            QPainter corners(image);
            for (const QPoint &corner :
                 {framed.topLeft(), framed.topRight(), framed.bottomLeft(), framed.bottomRight()})
                corners.fillRect(QRect(corner, QSize(1, 1)), Qt::magenta);
        }
        QCOMPARE(shown, expected);
    }

    // Save picture offers PNG and adds its extension to a bare name; the plan dialogs offer all.
    void savePictureWritesAPngFile()
    {
        const QString folder = QDir(world_.exeDir()).filePath(QStringLiteral("pictures"));
        QVERIFY(QDir().mkpath(folder));
        w_.dialogs.fileAnswers = {folder + QStringLiteral("/build"),
                                  folder + QStringLiteral("/trees"),
                                  folder + QStringLiteral("/a.plan")};
        w_.dialogs.whileModal = [](QDialog *summary) {
            // The trees with their build first, then the trees alone.
            auto *band = summary->findChild<ChoiceBox *>(QStringLiteral("cb_band"));
            QCOMPARE(band->currentIndex(), 0);
            summary->findChild<QPushButton *>(QStringLiteral("bt_picture"))->click();
            band->select(1);
            summary->findChild<QPushButton *>(QStringLiteral("bt_picture"))->click();
        };
        control<FlatButton>(*w_, "bt_summary")->click();
        saveButton(*w_)->click();
        QCOMPARE(w_.dialogs.saveFilters,
                 (QStringList{QStringLiteral("PNG pictures (*.png)"),
                              QStringLiteral("PNG pictures (*.png)"), QString()}));
        const QImage trees = paintTrees(treesPictureOf(w_->build()), 1);
        QCOMPARE(QImage(folder + QStringLiteral("/build.png")),
                 withBand(trees, pictureBandOf(w_->build()), 1));
        QCOMPARE(QImage(folder + QStringLiteral("/trees.png")), trees);
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/a.plan")));
        QVERIFY(w_.dialogs.messages.isEmpty());
        QVERIFY(QDir(folder).removeRecursively()); // the next dialogs open where they did before
    }

    void theFileDialogsOpenInTheLastFolder()
    {
        MainWindow &w = *w_.window;
        pressTalent(w, 1, 1);
        const QString folder = QDir(world_.exeDir()).filePath(QStringLiteral("plans"));
        QVERIFY(QDir().mkpath(folder));
        w_.dialogs.fileAnswers = {folder + QStringLiteral("/a.plan"),
                                  folder + QStringLiteral("/a.plan")};
        saveButton(w)->click();
        loadButton(w)->click();
        QCOMPARE(w_.dialogs.folders, (QStringList{QStringLiteral("."), folder}));
        // Kept for the next session, unless the folder has gone by then.
        for (const QString &expected : {folder, QStringLiteral(".")}) {
            openFreshWindow();
            w_.dialogs.fileAnswers = {};
            loadButton(*w_)->click();
            QCOMPARE(w_.dialogs.folders.last(), expected);
            QVERIFY(QDir(folder).removeRecursively());
        }
    }
};

QTEST_MAIN(TestSummary)
#include "test_summary.moc"
