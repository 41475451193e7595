// The history of a build: a random walk of changes, presses the rules refuse among them, undone
// to its start and redone to its end against the independent rules model.
#include "build/build.h"
#include "bundled_world.h"

#include <QRandomGenerator>
#include <QTest>

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

// Where the build differs from the model, or nothing: ranks, placed talents, the requirement
// flags the rules give, counters equal to the sums of the ranks, and the order.
QString mismatch(const Build &b, const Snapshot &expected)
{
    if (b.classIndex() != expected.classIndex)
        return QStringLiteral("class %1").arg(b.classIndex());
    const TalentTable &table = b.talents();
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
    if (table.totalPoints != sum || sum > PointBudget)
        return QStringLiteral("total");
    if (b.order() != expected.order)
        return QStringLiteral("order");
    if (stepLegality(table, b.order()) != legalityByModel(expected.model, expected.order))
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

} // namespace

class TestBuildHistory : public QObject {
    Q_OBJECT
private slots:
    void aRandomWalkIsUndoneAndRedoneStepByStep()
    {
        Build b(worldDir() + u'/', QStringLiteral("en"));
        b.changeClass(0);
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
                b.changeClass(c);
            } else if (roll < 5) {
                for (int tree = 1; tree <= TreeCount; ++tree)
                    for (int slot = 1; slot <= SlotsPerTree; ++slot)
                        next.model.talent(slot, tree).rank = 0;
                next.order.clear();
                b.reset();
            } else if (roll < 8) {
                const int tree = random.bounded(1, 4);
                for (int slot = 1; slot <= SlotsPerTree; ++slot)
                    next.model.talent(slot, tree).rank = 0;
                next.order.removeIf([tree](const QPoint &step) { return step.y() == tree; });
                b.resetTree(tree);
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
                b.press(slot, tree, left ? PressButton::Left : PressButton::Right);
            }
            const QString wrong = mismatch(b, next);
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("step %1: ").arg(step) + wrong));
            // Only a change of the board is a step.
            if (!sameBoard(next, states.last()))
                states.append(next);
            QCOMPARE(b.history().index(), states.size() - 1);
        }
        QVERIFY2(states.size() > 300, qPrintable(QString::number(states.size())));
        for (qsizetype k = states.size() - 1; k > 0; --k) {
            b.undo();
            const QString wrong = mismatch(b, states[k - 1]);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QStringLiteral("undo to %1: ").arg(k - 1) + wrong));
        }
        QVERIFY(!b.history().canUndo());
        for (qsizetype k = 1; k < states.size(); ++k) {
            b.redo();
            const QString wrong = mismatch(b, states[k]);
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("redo to %1: ").arg(k) + wrong));
        }
        QVERIFY(!b.history().canRedo());
    }
};

QTEST_GUILESS_MAIN(TestBuildHistory)
#include "test_build_history.moc"
