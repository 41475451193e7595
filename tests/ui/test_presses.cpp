// Spending and refunding points with the mouse, and how the board follows.
#include "board/fonts.h"
#include "board/grey.h"
#include "board/rank_look.h"
#include "board_driver.h"
#include "standard_window_test.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"
#include "toolkit/message_line.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <optional>

namespace {
// Fills tree 3 of the standard class (five ranks in columns 1 and 2 of every row) row by row
// until `points` are spent there.
void spendInTreeThree(MainWindow &w, int points)
{
    for (int slot = 1; slot <= 44 && points > 0; ++slot) {
        if (!w.talents().at(slot, 3).present)
            continue;
        const int n = std::min(points, 5);
        pressTalentTimes(w, slot, 3, n);
        points -= n;
    }
}
} // namespace

class TestPresses : public StandardWindowTest {
    Q_OBJECT
private slots:

    void firstPointColoursTheIcon()
    {
        MainWindow &w = *w_.window;
        const quint32 colour = pixelOf(w.board().cell(2, 1).colour, 10, 10);
        const quint32 grey = pixelOf(w.board().cell(2, 1).shownPicture(), 10, 10);
        pressTalent(w, 2, 1);
        QCOMPARE(w.talents().at(2, 1).rank, 1);
        QCOMPARE(pixelOf(w.board().cell(2, 1).shownPicture(), 10, 10), colour);
        QCOMPARE(w.board().cell(2, 1).rank.text, QStringLiteral("1/3"));
        QCOMPARE(w.board().cell(2, 1).rank.colour, RankGreen);
        QCOMPARE(treeLabel(w, 0), QStringLiteral("First Tree: 1"));
        QCOMPARE(spentLabel(w)->caption(), QStringLiteral("en:7: 1"));
        QCOMPARE(freeLabel(w)->caption(), QStringLiteral("en:8: 70"));
        QCOMPARE(levelLabel(w)->caption(), QStringLiteral("en:15: 10"));
        // The last point back: the same grey as at load, the colour picture untouched.
        pressTalent(w, 2, 1, Qt::RightButton);
        QCOMPARE(w.talents().at(2, 1).rank, 0);
        QCOMPARE(pixelOf(w.board().cell(2, 1).shownPicture(), 10, 10), grey);
        QCOMPARE(pixelOf(w.board().cell(2, 1).colour, 10, 10), colour);
        QCOMPARE(spentLabel(w)->caption(), QStringLiteral("en:7: 0"));
    }

    void pressesThatMoveNothing_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("tree");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("message"); // the message line's reason
        QTest::newRow("left on a locked row-2 talent")
            << 5 << 1 << int(Qt::LeftButton) << "Row 2 needs 5 points above";
        QTest::newRow("left behind a missing prerequisite")
            << 11 << 1 << int(Qt::LeftButton) << "Row 3 needs 10 points above";
        QTest::newRow("right at rank 0") << 1 << 1 << int(Qt::RightButton) << "";
        QTest::newRow("middle on an open talent") << 1 << 1 << int(Qt::MiddleButton) << "";
    }
    void pressesThatMoveNothing()
    {
        QFETCH(int, slot);
        QFETCH(int, tree);
        QFETCH(int, button);
        QFETCH(QString, message);
        MainWindow &w = *w_.window;
        pressTalent(w, slot, tree, Qt::MouseButton(button));
        QCOMPARE(w.talents().totalPoints, 0);
        QCOMPARE(w.talents().at(slot, tree).rank, 0);
        QCOMPARE(spentLabel(w)->caption(), QStringLiteral("en:7: 0"));
        const auto *line = control<MessageLine>(w, "lb_msg");
        QCOMPARE(line->message(), message);
        QCOMPARE(line->isVisible(), !message.isEmpty());
        QCOMPARE(line->accessibleName(), message);
        QCOMPARE(line->toolTip(), message);
    }

    // A press is a talent's on its icon's every pixel and nowhere else: not a pixel beside it,
    // nor on its rank label, an absent talent's place, a tree's emblem or label. A press beside
    // every talent but on a tree's background is the tree's (a right press opens its menu).
    void aPressFindsItsTalentByPlace_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("slot"); // the talent found, 0 for none
        QTest::addColumn<int>("tree");
        QTest::addColumn<int>("menuOf"); // the tree whose menu a right press opens, 0 for none
        // Icons (45 x 43) stand at 25 + 70 (column - 1) + 300 (tree - 1), 2 + 64 (row - 1);
        // backgrounds (300 wide) at 0, 305 and 610. Tree 1 slot 2 spans (95, 2) to (139, 44).
        QTest::newRow("top left corner") << QPoint(95, 2) << 2 << 1 << 0;
        QTest::newRow("top right corner") << QPoint(139, 2) << 2 << 1 << 0;
        QTest::newRow("bottom left corner") << QPoint(95, 44) << 2 << 1 << 0;
        QTest::newRow("bottom right corner") << QPoint(139, 44) << 2 << 1 << 0;
        QTest::newRow("left of it") << QPoint(94, 20) << 0 << 0 << 1;
        QTest::newRow("right of it") << QPoint(140, 20) << 0 << 0 << 1;
        QTest::newRow("above it") << QPoint(120, 1) << 0 << 0 << 1;
        QTest::newRow("below it") << QPoint(100, 45) << 0 << 0 << 1;
        QTest::newRow("beyond its top left corner") << QPoint(94, 1) << 0 << 0 << 1;
        QTest::newRow("on its rank label") << QPoint(128, 47) << 0 << 0 << 1;
        QTest::newRow("between it and slot 3") << QPoint(152, 20) << 0 << 0 << 1;
        QTest::newRow("on absent slot 8") << QPoint(257, 87) << 0 << 0 << 1;
        QTest::newRow("between trees 1 and 2") << QPoint(302, 100) << 0 << 0 << 0;
        QTest::newRow("tree 2's first talent") << QPoint(325, 2) << 1 << 2 << 0;
        QTest::newRow("left of tree 2's first talent") << QPoint(324, 2) << 0 << 0 << 2;
        QTest::newRow("tree 1's label") << QPoint(40, 702) << 0 << 0 << 0;
        QTest::newRow("tree 3's emblem") << QPoint(615, 700) << 0 << 0 << 0;
        QTest::newRow("right of tree 3") << QPoint(910, 10) << 0 << 0 << 0;
    }
    void aPressFindsItsTalentByPlace()
    {
        QFETCH(QPoint, at);
        QFETCH(int, slot);
        QFETCH(int, tree);
        QFETCH(int, menuOf);
        MainWindow &w = *w_.window;
        BoardView *board = boardOf(w);
        const auto found = slot ? std::optional<TreeSlot>({tree, slot}) : std::nullopt;
        QCOMPARE(w.board().talentAt(at), found);
        // A screen reader finds the same talent there.
        const QPoint global = board->mapToGlobal(at);
        QCOMPARE(QAccessible::queryAccessibleInterface(board)->childAt(global.x(), global.y()),
                 found ? talentInterface(w, slot, tree) : nullptr);
        QTest::mouseClick(board, Qt::LeftButton, {}, at);
        QCOMPARE(w.talents().totalPoints, found ? 1 : 0);
        if (found)
            QCOMPARE(w.talents().at(slot, tree).rank, 1);
        QSignalSpy menus(board, &BoardView::treeMenuWanted);
        QTest::mouseClick(board, Qt::RightButton, {}, at);
        QCOMPARE(w.talents().totalPoints, 0);
        QCOMPARE(menus.size(), menuOf ? 1 : 0);
        if (menuOf)
            QCOMPARE(menus[0][0].toInt(), menuOf);
        w.findChild<QMenu *>(QStringLiteral("treeMenu"))->hide();
    }

    // The message line: two lines above Undo; a press that changes a rank clears it.
    void theMessageLine()
    {
        MainWindow &w = *w_.window;
        auto *line = control<MessageLine>(w, "lb_msg");
        QCOMPARE(line->geometry(), QRect(912, 264, 92, 22));
        QCOMPARE(line->palette().color(QPalette::WindowText), spentLabel(w)->fontColour());
        const QString longText = QStringLiteral("Needs a talent with a very long name at 5/5");
        line->showMessage(longText);
        const QStringList shown = line->text().split(u'\n');
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[1].endsWith(QChar(0x2026)));
        for (const QString &part : shown)
            QVERIFY(line->fontMetrics().horizontalAdvance(part) <= 92);
        QCOMPARE(line->toolTip(), longText);
        pressTalent(w, 1, 1);
        QVERIFY(!line->isVisible());
        copyButton(w)->click();
        QCOMPARE(line->message(), QStringLiteral("Build code copied"));
        pasteButton(w)->click();
        QCOMPARE(line->message(), QStringLiteral("Build loaded"));
    }

    void fullRankStopsAndStillRefreshes()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 4, 1, 3); // one rank only
        QCOMPARE(w.talents().at(4, 1).rank, 1);
        QCOMPARE(w.talents().totalPoints, 1);
        QCOMPARE(w.board().cell(4, 1).rank.colour, RankGold);
        QVERIFY(tooltip(w)->isVisible()); // the tooltip follows every press
    }

    void rowTwoOpensAtFivePointsAbove()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 4);
        QVERIFY(!w.talents().at(5, 1).available);
        QCOMPARE(w.board().cell(5, 1).rank.colour, RankWhite);
        pressTalent(w, 1, 1);
        QVERIFY(w.talents().at(5, 1).available);
        QCOMPARE(w.board().cell(5, 1).rank.colour, RankGreen);
        pressTalent(w, 5, 1);
        QCOMPARE(w.talents().at(5, 1).rank, 1);
        // Now row 1 may not give a point back: row 2 would lose its opening.
        pressTalent(w, 1, 1, Qt::RightButton);
        QCOMPARE(w.talents().at(1, 1).rank, 5);
        pressTalent(w, 2, 1);
        pressTalent(w, 1, 1, Qt::RightButton);
        QCOMPARE(w.talents().at(1, 1).rank, 4);
    }

    void prerequisiteAtFullRankOnly()
    {
        MainWindow &w = *w_.window;
        // Tree 1: slot 6 needs slot 2 (3 ranks) and five points in row 1.
        pressTalentTimes(w, 1, 1, 3);
        pressTalentTimes(w, 2, 1, 2);
        QVERIFY(!w.talents().at(6, 1).available);
        pressTalent(w, 6, 1);
        QCOMPARE(w.talents().at(6, 1).rank, 0);
        pressTalent(w, 2, 1);
        QVERIFY(w.talents().at(6, 1).available);
        pressTalent(w, 6, 1);
        QCOMPARE(w.talents().at(6, 1).rank, 1);
        // The prerequisite can't go below full rank while its dependant holds a point.
        pressTalent(w, 2, 1, Qt::RightButton);
        QCOMPARE(w.talents().at(2, 1).rank, 3);
        pressTalent(w, 6, 1, Qt::RightButton);
        pressTalent(w, 2, 1, Qt::RightButton);
        QCOMPARE(w.talents().at(2, 1).rank, 2);
    }

    void otherTreesNeverOpenThisOne()
    {
        MainWindow &w = *w_.window;
        spendInTreeThree(w, 30);
        QCOMPARE(w.talents().totalPoints, 30);
        QVERIFY(!w.talents().at(5, 1).available);
        QVERIFY(!w.talents().at(9, 2).available);
    }

    void doubleClickSpendsTwoPoints()
    {
        MainWindow &w = *w_.window;
        BoardView *board = boardOf(w);
        const QPoint icon = w.board().cell(2, 1).icon.center();
        // A real double click: press, release, then the double-click event.
        QTest::mousePress(board, Qt::LeftButton, {}, icon);
        QTest::mouseRelease(board, Qt::LeftButton, {}, icon);
        QTest::mouseDClick(board, Qt::LeftButton, {}, icon);
        QCOMPARE(w.talents().at(2, 1).rank, 2);
        QCOMPARE(w.talents().totalPoints, 2);
    }

    void theLastPointOfTheBudget()
    {
        MainWindow &w = *w_.window;
        spendInTreeThree(w, 70);
        QCOMPARE(w.talents().totalPoints, 70);
        QCOMPARE(w.board().cell(1, 1).rank.colour, RankGreen);
        pressTalent(w, 1, 1);
        QCOMPARE(w.talents().totalPoints, 71);
        QCOMPARE(freeLabel(w)->caption(), QStringLiteral("en:8: 0"));
        QCOMPARE(levelLabel(w)->caption(), QStringLiteral("en:15: 80"));
        // At 71 nothing open is green any more, and left presses are refused.
        QCOMPARE(w.board().cell(2, 1).rank.colour, RankWhite);
        QCOMPARE(w.board().cell(1, 1).rank.colour, RankWhite);
        pressTalent(w, 2, 1);
        QCOMPARE(w.talents().totalPoints, 71);
        // A refund brings the green back everywhere.
        pressTalent(w, 1, 1, Qt::RightButton);
        QCOMPARE(w.talents().totalPoints, 70);
        QCOMPARE(w.board().cell(2, 1).rank.colour, RankGreen);
        QCOMPARE(w.board().cell(1, 2).rank.colour, RankGreen);
    }

    void resetReturnsEveryPoint()
    {
        MainWindow &w = *w_.window;
        spendInTreeThree(w, 12);
        pressTalentTimes(w, 1, 1, 2);
        resetButton(w)->click();
        QCOMPARE(w.talents().totalPoints, 0);
        for (int tree = 1; tree <= 3; ++tree)
            QCOMPARE(w.talents().treePoints(tree), 0);
        QCOMPARE(w.talents().at(1, 1).rank, 0);
        QCOMPARE(freeLabel(w)->caption(), QStringLiteral("en:8: 71"));
        QCOMPARE(levelLabel(w)->caption(), QStringLiteral("en:15: 9"));
        const TalentCell &c = w.board().cell(1, 3);
        QCOMPARE(pixelOf(c.shownPicture(), 5, 5), greyOf(pixelOf(c.colour, 5, 5)));
        QVERIFY(w.isEnabled());
    }
};

QTEST_MAIN(TestPresses)
#include "test_presses.moc"
