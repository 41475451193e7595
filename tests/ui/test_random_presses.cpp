// Thousands of random presses through the real window, each checked against a small model of
// the point rules written here from scratch.
#include "board/fonts.h"
#include "board/grey.h"
#include "board/rank_look.h"
#include "board_driver.h"
#include "point_rules_model.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"
#include "window_fixture.h"

#include <QRandomGenerator>
#include <QTest>
#include <array>

namespace {

using Model = PointRulesModel;

Model modelOf(const QVector<FixtureTree> &trees)
{
    Model model;
    for (int t = 0; t < 3; ++t) {
        for (const FixtureTalent &f : trees[t].talents)
            model.talent(f.slot, t + 1) = {f.maxRank, f.prereq, f.icon, 0};
    }
    return model;
}

} // namespace

class TestRandomPresses : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerTahoma(); }

    void randomPressesKeepTheRules_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("steps");
        QTest::newRow("seed 1") << 1u << 4000;
        QTest::newRow("seed 2") << 2u << 4000;
    }
    void randomPressesKeepTheRules()
    {
        QFETCH(quint32, seed);
        QFETCH(int, steps);
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        const QVector<FixtureTree> trees = FixtureWorld::standardClass();
        Model model = modelOf(trees);
        QRandomGenerator random(seed);
        int reached71 = 0;
        for (int step = 0; step < steps; ++step) {
            const int tree = random.bounded(1, 4);
            const QVector<FixtureTalent> &talents = trees[tree - 1].talents;
            const FixtureTalent pick = talents[random.bounded(talents.size())];
            if (!pick.icon)
                continue;
            const int roll = random.bounded(1000);
            if (roll == 0) {
                resetButton(*w)->click();
                model = modelOf(trees);
                continue;
            }
            const Qt::MouseButton button = roll < 800   ? Qt::LeftButton
                                           : roll < 970 ? Qt::RightButton
                                                        : Qt::MiddleButton;
            ModelTalent &m = model.talent(pick.slot, tree);
            const int before = m.rank;
            if (button == Qt::LeftButton && model.maySpend(pick.slot, tree))
                ++m.rank;
            else if (button == Qt::RightButton && model.mayRefund(pick.slot, tree))
                --m.rank;
            pressTalent(*w.window, pick.slot, tree, button);
            const QString where = QStringLiteral("step %1, tree %2 slot %3, rank %4 -> %5")
                                      .arg(step)
                                      .arg(tree)
                                      .arg(pick.slot)
                                      .arg(before)
                                      .arg(m.rank);
            QVERIFY2(w->talents().at(pick.slot, tree).rank == m.rank, qPrintable(where));
            if (model.total() == 71)
                ++reached71;
            checkBoard(*w.window, model, where);
        }
        QVERIFY(reached71 > 0); // the walk must also visit the end of the budget
    }

private:
    static void checkBoard(const MainWindow &w, const Model &model, const QString &where)
    {
        const TalentTable &table = w.talents();
        QVERIFY2(table.totalPoints == model.total(), qPrintable(where));
        QVERIFY2(table.totalPoints >= 0 && table.totalPoints <= 71, qPrintable(where));
        QVERIFY2(spentLabel(w)->caption() ==
                     QStringLiteral("en:7: ") + QString::number(model.total()),
                 qPrintable(where));
        for (int tree = 1; tree <= 3; ++tree) {
            QVERIFY2(table.treePoints(tree) == model.treeTotal(tree), qPrintable(where));
            for (int slot = 1; slot <= 44; ++slot) {
                const ModelTalent &m = model.talent(slot, tree);
                if (!m.placed || m.maxRank == 0)
                    continue;
                const Talent &t = table.at(slot, tree);
                const TalentCell &c = w.board().cell(slot, tree);
                const QString cellWhere =
                    where + QStringLiteral(" / cell %1-%2").arg(tree).arg(slot);
                QVERIFY2(t.rank == m.rank && t.rank >= 0 && t.rank <= t.maxRank,
                         qPrintable(cellWhere));
                QVERIFY2(t.available == model.open(slot, tree), qPrintable(cellWhere));
                const QString text = QString::number(m.rank) + u'/' + QString::number(m.maxRank);
                QVERIFY2(c.rank.text == text, qPrintable(cellWhere));
                const QColor colour = m.rank == m.maxRank                            ? RankGold
                                      : model.open(slot, tree) && model.total() < 71 ? RankGreen
                                                                                     : RankWhite;
                QVERIFY2(c.rank.colour == colour, qPrintable(cellWhere));
                const quint32 source = pixelOf(c.colour, 22, 21);
                const quint32 shown = pixelOf(c.shownPicture(), 22, 21);
                QVERIFY2(shown == (m.rank > 0 ? source : greyOf(source)), qPrintable(cellWhere));
            }
        }
    }
};

QTEST_MAIN(TestRandomPresses)
#include "test_random_presses.moc"
