// The board at any level of its build, and steps of the order of points moved: the level view of
// random legal orders against the same steps pressed one by one, and a move as a step of the
// history.
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
            levels.goTo(FirstLevel + 3);
            b.press(b.order().constFirst().x(), b.order().constFirst().y(), PressButton::Middle);
            QVERIFY(!levels.atEnd());
            b.undo(); // any change of the build shows the whole build again
            QVERIFY(levels.atEnd());
        }
    }

    void aMoveIsAStepOfTheHistoryAndRefusalsSayWhy()
    {
        // Kindled Dusk (5) and Sundown Focus (3) open row 2 of the first tree, whose talents need
        // five points above them.
        QTemporaryFile plan;
        QVERIFY(plan.open());
        Build b(worldDir() + u'/', QStringLiteral("en"));
        b.changeClass(0);
        for (int k = 0; k < 5; ++k)
            b.press(1, 1, PressButton::Left);
        b.press(5, 1, PressButton::Left);
        plan.write(b.planText(0));
        plan.close();
        b.loadPlanFile(plan.fileName());
        QVERIFY(b.orderDerived());
        const PointOrder derived = b.order();
        const int steps = b.history().count();

        QCOMPARE(b.moveStep(5, 4),
                 QStringLiteral("Level 14 \u2014 %1 would break: %2")
                     .arg(b.talents().at(5, 1).name, QStringLiteral("Row 2 needs 5 points above")));
        QCOMPARE(b.moveStep(0, 3).section(u':', 0, 0),
                 QStringLiteral("Level 13 \u2014 %1 would pass another of its ranks")
                     .arg(b.talents().at(1, 1).name));
        QCOMPARE(b.history().count(), steps);

        LevelView levels(b);
        levels.stepBy(-1);
        const RankGrid ranks = ranksOf(b.talents());
        b.press(2, 1, PressButton::Left);
        QCOMPARE(b.moveStep(6, 1), QString());
        QVERIFY(levels.atEnd());
        QCOMPARE(b.order().at(1), QPoint(2, 1));
        QVERIFY(!b.orderDerived());
        b.undo();
        QCOMPARE(b.order().at(6), QPoint(2, 1));
        b.undo();
        QCOMPARE(b.order(), derived);
        QVERIFY(b.orderDerived());
        QCOMPARE(ranksOf(b.talents()), ranks);
    }
};

QTEST_GUILESS_MAIN(TestLevelView)
#include "test_level_view.moc"
