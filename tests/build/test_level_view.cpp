// The board at any level of its build against the same steps pressed one by one, for random legal
// orders; a move of a step as a step of the history.
#include "build/build.h"
#include "build/level_view.h"
#include "bundled_world.h"

#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QTest>

namespace {

// Where two tables of one class differ: ranks, open talents and the counters; empty when equal.
QString difference(const TalentTable &shown, const TalentTable &pressed)
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &a = shown.at(slot, tree);
            const Talent &b = pressed.at(slot, tree);
            if (a.rank != b.rank || a.available != b.available)
                return QStringLiteral("tree %1 slot %2").arg(tree).arg(slot);
        }
        if (shown.treePoints(tree) != pressed.treePoints(tree))
            return QStringLiteral("tree %1 points").arg(tree);
    }
    return shown.totalPoints == pressed.totalPoints ? QString() : QStringLiteral("total");
}

} // namespace

class TestLevelView : public QObject {
    Q_OBJECT
private slots:
    void everyLevelIsTheBuildOfItsFirstSteps()
    {
        QRandomGenerator random(20261208);
        for (int classIndex = 0; classIndex < 10; ++classIndex) {
            Build b(worldDir() + u'/', QStringLiteral("en"));
            b.changeClass(classIndex);
            LevelView levels(b);
            // A random legal order, spent press by press.
            PointRulesModel model = modelOfClass(QLatin1String(classCodes[size_t(classIndex)]));
            for (int tries = 0; tries < 3000 && model.total() < PointBudget; ++tries) {
                const int slot = random.bounded(1, 45);
                const int tree = random.bounded(1, 4);
                if (model.talent(slot, tree).placed && model.maySpend(slot, tree)) {
                    ++model.talent(slot, tree).rank;
                    b.press(slot, tree, PressButton::Left);
                }
            }
            QCOMPARE(levels.endLevel(), FirstLevel + b.order().size());
            Build replayed(worldDir() + u'/', QStringLiteral("en"));
            replayed.changeClass(classIndex);
            // From the first level up, and back down from the end, as a player scrubs.
            for (int level = FirstLevel; level <= levels.endLevel(); ++level) {
                levels.goTo(level);
                QCOMPARE(levels.level(), level);
                if (level > FirstLevel) {
                    const QPoint step = b.order().at(level - FirstLevel - 1);
                    replayed.press(step.x(), step.y(), PressButton::Left);
                }
                const QString wrong = difference(levels.shown(), replayed.talents());
                QVERIFY2(wrong.isEmpty(), qPrintable(QString::number(level) + u' ' + wrong));
                QCOMPARE(levels.atEnd(), level == levels.endLevel());
                const QPoint next = b.order().value(level - FirstLevel);
                QCOMPARE(levels.nextStep().value_or(TreeSlot{0, 0}),
                         (TreeSlot{next.y(), next.x()}));
            }
        }
    }

    void aMoveMakesADerivedOrderTheBuildsOwnUntilUndone()
    {
        QTemporaryFile plan;
        QVERIFY(plan.open());
        Build b(worldDir() + u'/', QStringLiteral("en"));
        b.changeClass(0);
        for (int slot : {1, 1, 2})
            b.press(slot, 1, PressButton::Left);
        plan.write(b.planText(0));
        plan.close();
        b.loadPlanFile(plan.fileName());
        const BoardState derived = b.state();
        QCOMPARE(b.moveStep(0, 1).section(u':', 0, 0),
                 QStringLiteral("Level 11 \u2014 %1 would pass another of its ranks")
                     .arg(b.talents().at(1, 1).name));
        QCOMPARE(b.moveStep(2, 0), QString());
        QCOMPARE(b.order(), (PointOrder{{2, 1}, {1, 1}, {1, 1}}));
        QVERIFY(!b.orderDerived());
        b.undo();
        QCOMPARE(b.state(), derived);
    }
};

QTEST_GUILESS_MAIN(TestLevelView)
#include "test_level_view.moc"
