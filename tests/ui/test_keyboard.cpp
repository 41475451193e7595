// The window by keyboard alone: the Tab chain, moves and presses on the board, the lists, what a
// screen reader hears of a talent, and the talent search.
#include "board_driver.h"
#include "build/plan_file.h"
#include "standard_window_test.h"
#include "toolkit/label_control.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

// The focused control as the test names it: a talent as "talent <tree>-<slot>", any other
// control by its object name.
QString focusName()
{
    if (const auto *board = qobject_cast<BoardView *>(focused())) {
        const TreeSlot at = board->current();
        return QStringLiteral("talent %1-%2").arg(at.tree).arg(at.slot);
    }
    return focused() ? focused()->objectName() : QStringLiteral("(none)");
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), k, modifiers);
}

// Moves the board's focus to a talent with the arrow keys, as a user finds it: to its tree, to
// its row, then along the row.
bool goToTalent(int slot, int tree)
{
    const QString target = QStringLiteral("talent %1-%2").arg(tree).arg(slot);
    for (int step = 0; step < 60 && focusName() != target; ++step) {
        const TreeSlot at = static_cast<BoardView *>(focused())->current();
        const int row = (slot - 1) / 4;
        const int atRow = (at.slot - 1) / 4;
        if (at.tree != tree)
            key(at.tree < tree ? Qt::Key_Right : Qt::Key_Left, Qt::ControlModifier);
        else if (atRow != row)
            key(atRow < row ? Qt::Key_Down : Qt::Key_Up);
        else
            key(at.slot < slot ? Qt::Key_Right : Qt::Key_Left);
    }
    return focusName() == target;
}

QString accessibleText(QObject *object, QAccessible::Text which)
{
    return QAccessible::queryAccessibleInterface(object)->text(which);
}

} // namespace

class TestKeyboard : public StandardWindowTest {
    Q_OBJECT

    void activate()
    {
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.window.get()));
    }

private slots:
    void init()
    {
        openFreshWindow();
        activate();
    }

    void tabGoesRoundTheWindowInScreenOrder()
    {
        const QStringList chain{"cb_lang",    "cb_class", "talent 1-1", "sp_ab",
                                "bt_library", "bt_reset", "sp_save",    "sp_load",
                                "bt_copy",    "bt_paste", "bt_summary", "bt_compare"};
        QCOMPARE(focusName(), chain[0]);
        for (qsizetype k = 1; k <= chain.size(); ++k) {
            key(Qt::Key_Tab);
            QCOMPARE(focusName(), chain[k % chain.size()]);
        }
        for (qsizetype k = chain.size() - 1; k >= 0; --k) {
            key(Qt::Key_Backtab);
            QCOMPARE(focusName(), chain[k]);
        }
        // The board is entered again at the talent focused last; a press focuses its talent.
        pressTalent(*w_, 2, 2);
        QCOMPARE(focusName(), QStringLiteral("talent 2-2"));
        key(Qt::Key_Tab);
        key(Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("talent 2-2"));
        QVERIFY(tooltip(*w_)->isVisible());
        QCOMPARE(tooltipName(*w_)->caption(), QStringLiteral("en talent 2-2"));
        // Shift+F10 opens the menu of the focused talent's tree.
        key(Qt::Key_F10, Qt::ShiftModifier);
        auto *menu = w_->findChild<QMenu *>(QStringLiteral("treeMenu"));
        QTRY_VERIFY(menu->isVisible());
        menu->actions().constFirst()->trigger();
        menu->hide();
        QCOMPARE(w_->talents().treePoints(2), 0);
    }

    // A whole plan spent and partly given back with the keys equals the same presses of the
    // mouse, point for point and in the same order.
    void aKeyboardPlanEqualsTheMousePlan()
    {
        Presses spends;
        for (int round = 0; round < 5 && w_->talents().totalPoints < 71; ++round) {
            for (int tree = 1; tree <= 3; ++tree) {
                for (int slot = 1; slot <= 44 && w_->talents().totalPoints < 71; ++slot) {
                    if (!w_->talents().at(slot, tree).present)
                        continue;
                    const int before = w_->talents().totalPoints;
                    pressTalent(*w_, slot, tree);
                    if (w_->talents().totalPoints > before)
                        spends.append({slot, tree});
                }
            }
        }
        QCOMPARE(w_->talents().totalPoints, 71);
        const Presses refunds{spends.last(), spends[spends.size() - 2], {1, 1}};
        for (const QPoint &p : refunds)
            pressTalent(*w_, p.x(), p.y(), Qt::RightButton);
        const QByteArray plan = formatPlan(0, w_->talents());
        const PointOrder order = w_->build().order();

        openFreshWindow();
        activate();
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        const Qt::Key spendKeys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Plus};
        for (qsizetype k = 0; k < spends.size(); ++k) {
            QVERIFY(goToTalent(spends[k].x(), spends[k].y()));
            key(spendKeys[k % 3]);
        }
        const Qt::Key refundKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Minus};
        for (qsizetype k = 0; k < refunds.size(); ++k) {
            QVERIFY(goToTalent(refunds[k].x(), refunds[k].y()));
            key(refundKeys[k]);
        }
        QCOMPARE(formatPlan(0, w_->talents()), plan);
        QCOMPARE(w_->build().order(), order);
        key(Qt::Key_Home);
        key(Qt::Key_End);
        QCOMPARE(focusName(), QStringLiteral("talent 1-41"));
    }

    // Keys on a closed list open it and choose nothing; a choice keeps the focus on the list.
    void aListChoosesOnlyFromItsOpenList()
    {
        world_.writeStandardClass(QStringLiteral("Dr"));
        ChoiceBox *box = classBox(*w_);
        box->setFocus();
        const int steps = w_->build().history().count();
        key(Qt::Key_Down);
        QTRY_VERIFY(box->view()->isVisible());
        box->view()->setCurrentIndex(box->view()->model()->index(1, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_COMPARE(box->currentIndex(), 1);
        QCOMPARE(w_->build().history().count(), steps + 1);
        QCOMPARE(focused(), box);
        QWheelEvent wheel({5, 5}, box->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(box, &wheel);
        key(Qt::Key_End);
        QCOMPARE(box->currentIndex(), 1);
        QCOMPARE(w_->build().history().count(), steps + 1);
    }

    void aTalentIsDescribedByItsState_data()
    {
        QTest::addColumn<int>("pressesOnFirst"); // left presses on tree 1, slot 1
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("open") << 0 << 1 << "en talent 1-1 0/5"
                              << "open";
        QTest::newRow("full") << 5 << 1 << "en talent 1-1 5/5"
                              << "full";
        QTest::newRow("row not reached") << 2 << 5 << "en talent 1-5 0/3"
                                         << "locked: 3 more points needed in the rows above. ";
        QTest::newRow("prerequisite") << 5 << 6 << "en talent 1-6 0/2"
                                      << "locked: en talent 1-2 must be at full rank. ";
    }
    void aTalentIsDescribedByItsState()
    {
        QFETCH(int, pressesOnFirst);
        QFETCH(int, slot);
        QFETCH(QString, name);
        QFETCH(QString, description);
        pressTalentTimes(*w_, 1, 1, pressesOnFirst);
        QAccessibleInterface *talent = talentInterface(*w_, slot, 1);
        QCOMPARE(talent->text(QAccessible::Name), name);
        QVERIFY2(talent->text(QAccessible::Description).startsWith(description),
                 qPrintable(talent->text(QAccessible::Description)));
        QCOMPARE(talent->role(), QAccessible::Button);
    }

    // A screen reader finds the focus on the talent, with its new rank and the new counters.
    void aKeyPressIsReadable()
    {
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        key(Qt::Key_Right);
        key(Qt::Key_Space);
        QAccessibleInterface *talent =
            QAccessible::queryAccessibleInterface(focused())->focusChild();
        QVERIFY(talent->state().focused);
        QCOMPARE(talent->text(QAccessible::Name), QStringLiteral("en talent 1-2 1/3"));
        QCOMPARE(accessibleText(spentLabel(*w_), QAccessible::Name), QStringLiteral("en:7: 1"));
    }

    void theSearchDimsWhatDoesNotMatch()
    {
        pressTalent(*w_, 1, 1);
        const QByteArray plan = formatPlan(0, w_->talents());
        key(Qt::Key_F, Qt::ControlModifier);
        auto *field = w_->findChild<QLineEdit *>(QStringLiteral("ed_search"));
        QVERIFY(field && field->isVisible() && field->hasFocus());
        QCOMPARE(field->geometry(), QRect(912, 42, 92, 21));
        QTest::keyClicks(field, QStringLiteral("TALENT 2-1"));
        const auto *count = field->findChild<LabelControl *>(QStringLiteral("lb_found"));
        // Tree 2 slots 1, 10, 11, 13, 16, 17 and 19.
        QCOMPARE(count->caption(), QStringLiteral("7"));
        int dimmed = 0;
        for (int tree = 1; tree <= 3; ++tree) {
            for (int slot = 1; slot <= 44; ++slot)
                dimmed += w_->board().cell(slot, tree).dimmed ? 1 : 0;
        }
        int placed = 0;
        for (int tree = 1; tree <= 3; ++tree) {
            for (int slot = 1; slot <= 44; ++slot)
                placed += w_->talents().at(slot, tree).present ? 1 : 0;
        }
        QCOMPARE(dimmed, placed - 7);
        key(Qt::Key_Return);
        QCOMPARE(tooltipName(*w_)->caption(), QStringLiteral("en talent 2-1"));
        key(Qt::Key_F3);
        QCOMPARE(tooltipName(*w_)->caption(), QStringLiteral("en talent 2-10"));
        QCOMPARE(focused(), field);
        key(Qt::Key_Escape);
        QVERIFY(!field->isVisible());
        QCOMPARE(focusName(), QStringLiteral("talent 2-10"));
        QVERIFY(!w_->board().cell(2, 1).dimmed && !w_->board().cell(1, 1).dimmed);
        QCOMPARE(formatPlan(0, w_->talents()), plan);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
