// The board's history: a random walk of changes undone to its start and redone to its end against
// the independent rules model, a language change that keeps the plan, and loads that fail.
#include "board/fonts.h"
#include "board_driver.h"
#include "build/plan_file.h"
#include "bundled_world.h"
#include "standard_window_test.h"
#include "talents/point_order.h"

#include <QMenu>
#include <QRandomGenerator>
#include <QUndoStack>

namespace {

struct Snapshot {
    int classIndex = 0;
    PointRulesModel model;
    PointOrder order; // as the model spent and gave back the points
};

// Which steps of the order the model would have taken: a step is legal when the model may spend
// on a board holding exactly the steps before it.
QVector<bool> legalityByModel(PointRulesModel model, const PointOrder &order)
{
    for (int tree = 1; tree <= TreeCount; ++tree)
        for (int slot = 1; slot <= SlotsPerTree; ++slot)
            model.talent(slot, tree).rank = 0;
    QVector<bool> legal;
    for (const QPoint &step : order) {
        legal.append(model.maySpend(step.x(), step.y()));
        ++model.talent(step.x(), step.y()).rank;
    }
    return legal;
}

// Where the board differs from the model, or nothing: ranks, placed talents, the requirement
// flags the rules give, and counters equal to the sums of the ranks.
QString mismatch(const MainWindow &w, const Snapshot &expected)
{
    if (classBox(w)->currentIndex() != expected.classIndex)
        return QStringLiteral("class %1").arg(classBox(w)->currentIndex());
    const TalentTable &table = w.talents();
    int sum = 0;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        int treeSum = 0;
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &t = table.at(slot, tree);
            const ModelTalent &m = expected.model.talent(slot, tree);
            if (t.present != m.placed || (t.present && t.rank != m.rank) ||
                (t.present && t.available != expected.model.open(slot, tree)))
                return QStringLiteral("tree %1 slot %2").arg(tree).arg(slot);
            treeSum += t.rank;
        }
        if (table.treePoints(tree) != treeSum)
            return QStringLiteral("tree %1 points").arg(tree);
        sum += treeSum;
    }
    if (table.totalPoints != sum || sum > PointBudget ||
        spentLabel(w)->caption() != counterCaption(w.build().strings().at(Str::Spent), sum))
        return QStringLiteral("total");
    if (w.build().order() != expected.order)
        return QStringLiteral("order");
    if (stepLegality(table, w.build().order()) != legalityByModel(expected.model, expected.order))
        return QStringLiteral("legal steps");
    return {};
}

bool sameBoard(const Snapshot &a, const Snapshot &b)
{
    if (a.classIndex != b.classIndex)
        return false;
    for (int tree = 1; tree <= TreeCount; ++tree)
        for (int slot = 1; slot <= SlotsPerTree; ++slot)
            if (a.model.talent(slot, tree).rank != b.model.talent(slot, tree).rank)
                return false;
    return a.order == b.order;
}

void resetTreeFromItsMenu(MainWindow &w, int tree)
{
    // A right press on the tree's background below its last row, where no talent stands.
    QTest::mouseClick(control<ImageControl>(w, QStringLiteral("imv%1").arg(tree)), Qt::RightButton,
                      Qt::NoModifier, QPoint(150, 712));
    QMenu *menu = control<QMenu>(w, QStringLiteral("treeMenu"));
    menu->actions().constFirst()->trigger();
    menu->hide();
}

} // namespace

class TestHistory : public StandardWindowTest {
    Q_OBJECT
private slots:
    void aRandomWalkIsUndoneAndRedoneStepByStep()
    {
        MainWindow w(QFileInfo(worldDir()).absolutePath());
        w.show();
        std::array<PointRulesModel, 10> classes;
        for (size_t c = 0; c < classes.size(); ++c)
            classes[c] = modelOfClass(QLatin1String(classCodes[c]));
        QRandomGenerator random(20261207);
        QVector<Snapshot> states{{0, classes[0], {}}};
        for (int step = 0; step < 1000; ++step) {
            Snapshot next = states.last();
            const int roll = random.bounded(100);
            if (roll < 3) {
                const int c = random.bounded(10);
                if (c != next.classIndex)
                    next = {c, classes[size_t(c)], {}};
                chooseEntry(classBox(w), c);
            } else if (roll < 5) {
                for (int tree = 1; tree <= TreeCount; ++tree)
                    for (int slot = 1; slot <= SlotsPerTree; ++slot)
                        next.model.talent(slot, tree).rank = 0;
                next.order.clear();
                resetButton(w)->click();
            } else if (roll < 8) {
                const int tree = random.bounded(1, 4);
                for (int slot = 1; slot <= SlotsPerTree; ++slot)
                    next.model.talent(slot, tree).rank = 0;
                next.order.removeIf([tree](const QPoint &step) { return step.y() == tree; });
                resetTreeFromItsMenu(w, tree);
            } else {
                // Mostly presses that spend, so that the walk goes deep into the trees.
                QVector<QPoint> open;
                for (int t = 1; t <= TreeCount; ++t)
                    for (int s = 1; s <= SlotsPerTree; ++s)
                        if (next.model.talent(s, t).placed && next.model.maySpend(s, t))
                            open.append({s, t});
                int tree = random.bounded(1, 4);
                int slot = random.bounded(1, 45);
                if (!open.isEmpty() && random.bounded(100) < 60) {
                    const QPoint at = open[random.bounded(open.size())];
                    slot = at.x();
                    tree = at.y();
                }
                ModelTalent &m = next.model.talent(slot, tree);
                if (!m.placed)
                    continue;
                const bool left = random.bounded(100) < 75;
                if (left && next.model.maySpend(slot, tree)) {
                    ++m.rank;
                    next.order.append(QPoint(slot, tree));
                } else if (!left && next.model.mayRefund(slot, tree)) {
                    --m.rank;
                    // The talent's latest step goes; the later steps close up.
                    next.order.remove(next.order.lastIndexOf(QPoint(slot, tree)));
                }
                pressTalent(w, slot, tree, left ? Qt::LeftButton : Qt::RightButton);
            }
            const QString wrong = mismatch(w, next);
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("step %1: ").arg(step) + wrong));
            // Only a change of the board is a step.
            if (!sameBoard(next, states.last()))
                states.append(next);
            QCOMPARE(w.build().history().index(), states.size() - 1);
        }
        QVERIFY2(states.size() > 300, qPrintable(QString::number(states.size())));
        for (qsizetype k = states.size() - 1; k > 0; --k) {
            undoButton(w)->click();
            const QString wrong = mismatch(w, states[k - 1]);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QStringLiteral("undo to %1: ").arg(k - 1) + wrong));
        }
        QVERIFY(!undoButton(w)->isEnabled());
        for (qsizetype k = 1; k < states.size(); ++k) {
            redoButton(w)->click();
            const QString wrong = mismatch(w, states[k]);
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("redo to %1: ").arg(k) + wrong));
        }
        QVERIFY(!redoButton(w)->isEnabled());
        QVERIFY(w_.dialogs.messages.isEmpty());
    }

    void keysUndoRedoAndResetATree()
    {
        MainWindow &w = *w_.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
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
        QCOMPARE(w.talents().treePoints(3), 2);
        // A press that changes nothing is no step.
        const int steps = w.build().history().count();
        pressTalent(w, 1, 1, Qt::RightButton);
        pressTalent(w, 1, 3, Qt::MiddleButton);
        QCOMPARE(w.build().history().count(), steps);
    }

    void aLanguageChangeKeepsThePlanOrIsRefused_data()
    {
        QTest::addColumn<int>("russianRanksOfFirst");
        QTest::newRow("same trees") << 5;
        QTest::newRow("fewer ranks in Russian") << 2;
    }
    void aLanguageChangeKeepsThePlanOrIsRefused()
    {
        QFETCH(int, russianRanksOfFirst);
        QVector<FixtureTree> trees = FixtureWorld::standardClass();
        trees[0].talents[0].maxRank = russianRanksOfFirst;
        world_.write(QStringLiteral("Dd/1/tal.ru"), FixtureWorld::treeFileText(trees[0], 1, "ru"));
        openFreshWindow();
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 3);
        const QByteArray plan = formatPlan(0, w.talents());
        const int steps = w.build().history().count();
        chooseEntry(languageBox(w), 1);
        QCOMPARE(formatPlan(0, w.talents()), plan);
        QCOMPARE(w.build().history().count(), steps);
        const bool fits = russianRanksOfFirst >= 3;
        QCOMPARE(w_.dialogs.messages.size(), fits ? 0 : 1);
        QCOMPARE(languageBox(w)->currentIndex(), fits ? 1 : 0);
        QCOMPARE(w.talents().at(1, 1).name,
                 fits ? QStringLiteral("ru talent 1-1") : QStringLiteral("en talent 1-1"));
        undoButton(w)->click();
        QCOMPARE(w.talents().at(1, 1).rank, 2);
        world_.writeStandardClass();
    }

    void aFailedLoadChangesNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("class change") << "class";
        QTest::newRow("undo") << "undo";
        QTest::newRow("redo") << "redo";
    }
    void aFailedLoadChangesNothing()
    {
        QFETCH(QString, action);
        world_.writeStandardClass(QStringLiteral("Dr"));
        openFreshWindow();
        MainWindow &w = *w_.window;
        pressTalent(w, 2, 1);
        if (action != "class") {
            chooseEntry(classBox(w), 1); // to the class that will break
            chooseEntry(classBox(w), 0);
        }
        if (action == "redo") {
            undoButton(w)->click();
            undoButton(w)->click();
        }
        const QByteArray board = formatPlan(classBox(w)->currentIndex(), w.talents());
        const int index = w.build().history().index();
        world_.write(QStringLiteral("Dr/2/fon.jpg"), "broken");
        if (action == "class")
            chooseEntry(classBox(w), 1);
        else
            (action == "undo" ? undoButton(w) : redoButton(w))->click();
        QCOMPARE(w_.dialogs.messages.size(), 1);
        QVERIFY(w_.dialogs.messages[0].text.contains(world_.path("Dr/2/fon.jpg")));
        QCOMPARE(formatPlan(classBox(w)->currentIndex(), w.talents()), board);
        QCOMPARE(w.build().history().index(), index);
        QCOMPARE(w.windowTitle(), QStringLiteral("Runeplan 3.1.0"));
        world_.remove(QStringLiteral("Dr"));
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
