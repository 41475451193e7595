// The board compared with another build: badges on the talents whose ranks differ, each tree's
// sums in its label and the compared rank in the tooltip, following presses, undo and a change of
// language; Escape and a class change end the comparison; a build of another class is refused.
#include "board_driver.h"
#include "build/comparison.h"
#include "controls_by_name.h"
#include "standard_window_test.h"
#include "ui/tooltip_widget.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
using Badges = QVector<QVector<int>>; // tree, slot and difference of each badge

Badges badgesOf(const MainWindow &w)
{
    Badges badges;
    for (const TreeSlot at : w.board().placedTalents()) {
        const TalentCell &c = w.board().cell(at.slot, at.tree);
        if (c.badge != 0)
            badges.append({at.tree, at.slot, c.badge});
    }
    return badges;
}

constexpr auto CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
} // namespace

class TestComparison : public StandardWindowTest {
    Q_OBJECT
private slots:
    void init()
    {
        openFreshWindow();
        w_.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.window.get()));
    }

    void badgesFollowTheBoard()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 3);
        QTest::keyClick(&w, Qt::Key_B, CtrlShift); // the board as it is now
        QVERIFY(w.comparison().active());
        QCOMPARE(badgesOf(w), Badges{});
        QCOMPARE(treeLabel(w, 0), QStringLiteral("First Tree: 3"));

        pressTalent(w, 2, 1);
        pressTalent(w, 1, 1, Qt::RightButton);
        QCOMPARE(badgesOf(w), (Badges{{1, 1, -1}, {1, 2, 1}}));
        QCOMPARE(treeLabel(w, 0), QStringLiteral("First Tree: 3 (+1 -1)"));
        const QImage board = boardOf(w)->grab().toImage();
        for (const auto &[slot, fill] : {std::pair{1, QColor(255, 0, 0)}, {2, QColor(0, 255, 0)}}) {
            const TalentCell &c = w.board().cell(slot, 1);
            QCOMPARE(c.badgeBox.topLeft(), c.icon.topLeft());
            QCOMPARE(c.badgeBox.height(), 12);
            QCOMPARE(board.pixelColor(c.badgeBox.topLeft()), fill);
        }
        pointAtTalent(w, 1, 1);
        QCOMPARE(tooltip(w)->shownText(TooltipPart::Compared), QStringLiteral("Compared: 3/5"));
        QVERIFY(talentInterface(w, 1, 1)
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral("Compared: 3/5")));

        // Undo changes the board's build; the comparison stays, through a change of language too.
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(badgesOf(w), (Badges{{1, 2, 1}}));
        chooseEntry(languageBox(w), 1);
        QCOMPARE(badgesOf(w), (Badges{{1, 2, 1}}));
        QVERIFY(treeLabel(w, 0).endsWith(QStringLiteral(": 4 (+1)")));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.comparison().active());
        QCOMPARE(badgesOf(w), Badges{});
        QVERIFY(treeLabel(w, 0).endsWith(QStringLiteral(": 4")));
    }

    void anotherClassIsRefusedAndAClassChangeEndsTheComparison()
    {
        world_.writeStandardClass(QStringLiteral("Dr"));
        init();
        MainWindow &w = *w_.window;
        pressTalent(w, 1, 1);
        QTest::keyClick(&w, Qt::Key_B, CtrlShift);
        const BoardState snapshot = w.comparison().state();
        Build other(world_.path(QString()) + u'/', QStringLiteral("en"));
        other.changeClass(1);
        QGuiApplication::clipboard()->setText(other.code());
        QTest::keyClick(&w, Qt::Key_V, CtrlShift);
        QCOMPARE(w_.dialogs.messages.size(), 1);
        QVERIFY(w_.dialogs.messages[0].text.endsWith(QStringLiteral("is of en class 1")));
        QVERIFY(w.comparison().state() == snapshot);

        chooseEntry(classBox(w), 1);
        QVERIFY(!w.comparison().active());
        QCOMPARE(badgesOf(w), Badges{});
    }
};

QTEST_MAIN(TestComparison)
#include "test_comparison.moc"
