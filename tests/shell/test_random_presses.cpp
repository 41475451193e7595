// Thousands of random presses through the real window, each checked against a small model of
// the point rules written here from scratch.
#include "board_driver.h"
#include "flat_button.h"
#include "fonts.h"
#include "grey.h"
#include "label_control.h"
#include "rank_look.h"
#include "window_fixture.h"

#include <QRandomGenerator>
#include <QTest>
#include <array>

namespace {

struct ModelTalent {
    int maxRank = 0;
    int prereq = 0;
    bool placed = false;
    int rank = 0;
};

// The rules as a player reads them: a row opens at five points per row above in its tree; a
// prerequisite must be at full rank; 71 points in all; a point goes back only if everything
// still spent stays legal.
class Model {
public:
    explicit Model(const QVector<FixtureTree> &trees)
    {
        for (int t = 0; t < 3; ++t) {
            for (const FixtureTalent &f : trees[t].talents)
                talent(f.slot, t + 1) = {f.maxRank, f.prereq, f.icon, 0};
        }
    }

    ModelTalent &talent(int slot, int tree) { return talents_[tree - 1][slot - 1]; }
    const ModelTalent &talent(int slot, int tree) const { return talents_[tree - 1][slot - 1]; }

    int treeTotal(int tree) const
    {
        int sum = 0;
        for (const ModelTalent &m : talents_[tree - 1])
            sum += m.rank;
        return sum;
    }
    int total() const { return treeTotal(1) + treeTotal(2) + treeTotal(3); }

    bool open(int slot, int tree) const
    {
        const int row = (slot - 1) / 4 + 1;
        int above = 0;
        for (int s = 1; s <= (row - 1) * 4; ++s)
            above += talent(s, tree).rank;
        if (above < 5 * (row - 1))
            return false;
        const int p = talent(slot, tree).prereq;
        return p == 0 || talent(p, tree).rank == talent(p, tree).maxRank;
    }

    bool maySpend(int slot, int tree) const
    {
        const ModelTalent &m = talent(slot, tree);
        return total() < 71 && open(slot, tree) && m.rank < m.maxRank;
    }

    bool mayRefund(int slot, int tree)
    {
        ModelTalent &m = talent(slot, tree);
        if (m.rank == 0)
            return false;
        --m.rank;
        bool legal = true;
        for (int s = 1; s <= 44 && legal; ++s) {
            if (talent(s, tree).rank > 0 && !open(s, tree))
                legal = false;
        }
        ++m.rank;
        return legal;
    }

private:
    std::array<std::array<ModelTalent, 44>, 3> talents_{};
};

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
        Model model(trees);
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
                w->bt_reset->click();
                model = Model(trees);
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
    static void checkBoard(const TForm1 &w, const Model &model, const QString &where)
    {
        const TalentTable &table = w.talents();
        QVERIFY2(table.totalPoints == model.total(), qPrintable(where));
        QVERIFY2(table.totalPoints >= 0 && table.totalPoints <= 71, qPrintable(where));
        QVERIFY2(w.lb_tot->caption() == QStringLiteral("en:7: ") + QString::number(model.total()),
                 qPrintable(where));
        for (int tree = 1; tree <= 3; ++tree) {
            QVERIFY2(table.treePoints(tree) == model.treeTotal(tree), qPrintable(where));
            for (int slot = 1; slot <= 44; ++slot) {
                const ModelTalent &m = model.talent(slot, tree);
                if (!m.placed || m.maxRank == 0)
                    continue;
                const TTalant &t = table.at(slot, tree);
                const TalentCell &c = w.cell(slot, tree);
                const QString cellWhere = where + QStringLiteral(" / cell %1-%2").arg(tree).arg(slot);
                QVERIFY2(t.rank == m.rank && t.rank >= 0 && t.rank <= t.maxRank,
                         qPrintable(cellWhere));
                QVERIFY2(t.available == model.open(slot, tree), qPrintable(cellWhere));
                const QString text = QString::number(m.rank) + u'/' + QString::number(m.maxRank);
                QVERIFY2(c.rankLabel->caption() == text, qPrintable(cellWhere));
                const QColor colour = m.rank == m.maxRank ? RankGold
                                      : model.open(slot, tree) && model.total() < 71 ? RankGreen
                                                                                    : RankWhite;
                QVERIFY2(c.rankLabel->fontColour() == colour, qPrintable(cellWhere));
                const quint32 source = c.iconSource->pixelColour(22, 21);
                const quint32 shown = c.icon->pixelColour(22, 21);
                QVERIFY2(shown == (m.rank > 0 ? source : GreyColor(source)), qPrintable(cellWhere));
            }
        }
    }
};

QTEST_MAIN(TestRandomPresses)
#include "test_random_presses.moc"
