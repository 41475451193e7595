// The history's controls: Undo and Redo by button and by key, the reset of a tree from its menu
// and by key, their enabled state, and the class box and counters following a step.
#include "board_driver.h"
#include "standard_window_test.h"

#include <QMenu>

namespace {

void resetTreeFromItsMenu(MainWindow &w, int tree)
{
    // A right press on the tree's background below its last row, where no talent stands.
    QTest::mouseClick(boardOf(w), Qt::RightButton, Qt::NoModifier,
                      QPoint(150 + (tree - 1) * 305, 712));
    QMenu *menu = control<QMenu>(w, QStringLiteral("treeMenu"));
    menu->actions().constFirst()->trigger();
    menu->hide();
}

} // namespace

class TestHistory : public StandardWindowTest {
    Q_OBJECT
private slots:
    void theControlsWalkTheHistory()
    {
        world_.writeStandardClass(QStringLiteral("Dr"));
        openFreshWindow();
        MainWindow &w = *w_.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!undoButton(w)->isEnabled());
        pressTalentTimes(w, 1, 3, 2);
        pressTalentTimes(w, 1, 1, 2);
        // The last press gave its talent the keyboard focus: the key resets that talent's tree.
        QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.talents().treePoints(1), 0);
        QCOMPARE(w.talents().treePoints(3), 2);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.talents().treePoints(1), 2);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.talents().treePoints(1), 1);
        QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.talents().treePoints(1), 0);
        resetTreeFromItsMenu(w, 3);
        QCOMPARE(w.talents().treePoints(3), 0);
        chooseEntry(classBox(w), 1);
        undoButton(w)->click();
        QCOMPARE(classBox(w)->currentIndex(), 0);
        undoButton(w)->click();
        QCOMPARE(spentLabel(w)->caption(), QStringLiteral("en:7: 2"));
        QVERIFY(redoButton(w)->isEnabled());
        redoButton(w)->click();
        redoButton(w)->click();
        QCOMPARE(classBox(w)->currentIndex(), 1);
        QVERIFY(!redoButton(w)->isEnabled());
        QVERIFY(undoButton(w)->isEnabled());
        QVERIFY(w_.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
