// Saving and loading plans through the window: the dialogs, round trips that show the whole
// board again, and loads and saves that fail reported in a box.
#include "board/arrow_piece.h"
#include "board/fonts.h"
#include "board/grey.h"
#include "board/rank_look.h"
#include "board_driver.h"
#include "build/plan_file.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"
#include "ui/arrow_layer.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything the board shows, in one comparable text.
QString boardState(const MainWindow &w)
{
    QString state = QString::number(classBox(w)->currentIndex()) + u'|' +
                    QString::fromLatin1(formatPlan(classBox(w)->currentIndex(), w.talents())) +
                    spentLabel(w)->caption() + freeLabel(w)->caption() + levelLabel(w)->caption();
    for (int tree = 1; tree <= 3; ++tree) {
        state += treeLabel(w, tree - 1);
        for (int slot = 1; slot <= 44; ++slot) {
            const Talent &t = w.talents().at(slot, tree);
            if (!t.present)
                continue;
            const TalentCell &c = w.board().cell(slot, tree);
            state += QStringLiteral("%1%2%3%4")
                         .arg(t.available)
                         .arg(c.rank.text)
                         .arg(c.rank.colour.name())
                         .arg(pixelOf(c.shownPicture(), 20, 20) == pixelOf(c.colour, 20, 20));
        }
    }
    for (int k = 0; k < w.board().arrows().count(); ++k)
        state += QLatin1Char(w.board().arrows().entries()[k].variant);
    return state;
}

// A plan with points in all three trees, prerequisites among them.
void spendAPlan(MainWindow &w)
{
    pressTalentTimes(w, 1, 1, 3);
    pressTalentTimes(w, 2, 1, 3);
    pressTalentTimes(w, 6, 1, 2);
    pressTalentTimes(w, 1, 2, 3);
    pressTalentTimes(w, 5, 2, 2);
    pressTalentTimes(w, 1, 3, 5);
    pressTalentTimes(w, 5, 3, 1);
}

} // namespace

class TestPlans : public QObject {
    Q_OBJECT
private:
    FixtureWorld world_;
    QTemporaryDir plans_;
    OpenedWindow w_;

    QString planPath(const QString &name) const { return QDir(plans_.path()).filePath(name); }
    void save(const QString &path)
    {
        w_.dialogs.fileAnswers = {path};
        saveButton(*w_)->click();
    }
    void load(const QString &path)
    {
        w_.dialogs.fileAnswers = {path};
        loadButton(*w_)->click();
    }

private slots:
    void initTestCase()
    {
        registerTahoma();
        world_.writeStandardClass();
        world_.writeStandardClass(QStringLiteral("Dr"));
    }
    void init()
    {
        w_.window.reset();
        w_.dialogs.messages.clear();
        w_.open(world_);
    }

    void savingRightAfterALoad()
    {
        chooseEntry(classBox(*w_), 1);
        save(planPath(QStringLiteral("empty.plan")));
        const QByteArray z(44, '0');
        QCOMPARE(readAll(planPath(QStringLiteral("empty.plan"))),
                 "1\r\n" + z + "\r\n" + z + "\r\n" + z + "\r\n");
        QCOMPARE(w_.dialogs.saveTitles, QStringList{QStringLiteral("en:12")});
        QCOMPARE(w_.dialogs.folders, QStringList{QStringLiteral(".")});
        QVERIFY(w_->isEnabled());
    }

    void cancelledDialogsChangeNothing()
    {
        spendAPlan(*w_.window);
        const QString before = boardState(*w_.window);
        saveButton(*w_)->click();
        loadButton(*w_)->click();
        QCOMPARE(boardState(*w_.window), before);
        QCOMPARE(w_.dialogs.openTitles, QStringList{QStringLiteral("en:11")});
        QVERIFY(w_.dialogs.messages.isEmpty());
        QVERIFY(w_->isEnabled());
    }

    void roundTripRestoresTheBoard()
    {
        spendAPlan(*w_.window);
        const QString before = boardState(*w_.window);
        save(planPath(QStringLiteral("trip.plan")));
        resetButton(*w_)->click();
        QCOMPARE(w_->talents().totalPoints, 0);
        load(planPath(QStringLiteral("trip.plan")));
        QVERIFY(w_.dialogs.messages.isEmpty());
        QCOMPARE(boardState(*w_.window), before);
        QCOMPARE(w_->talents().treePoints(1), 8);
        QVERIFY(w_->isEnabled());
    }

    void roundTripAtTheWholeBudget()
    {
        MainWindow &w = *w_.window;
        for (int slot = 1; slot <= 44 && w.talents().totalPoints < 71; ++slot) {
            if (w.talents().at(slot, 3).present)
                pressTalentTimes(w, slot, 3, std::min(5, 71 - w.talents().totalPoints));
        }
        QCOMPARE(w.talents().totalPoints, 71);
        const QString before = boardState(w);
        save(planPath(QStringLiteral("full.plan")));
        resetButton(w)->click();
        load(planPath(QStringLiteral("full.plan")));
        QCOMPARE(boardState(w), before);
        for (int tree = 1; tree <= 3; ++tree) {
            for (int slot = 1; slot <= 44; ++slot) {
                if (w.talents().at(slot, tree).present)
                    QVERIFY(w.board().cell(slot, tree).rank.colour != RankGreen);
            }
        }
    }

    // Data may have changed since a plan was saved: a talent holding points without its
    // requirements shows gold, its arrow locked.
    void ranksAgainstTheRulesShowLocked()
    {
        QFile file(planPath(QStringLiteral("odd.plan")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray z(44, '0');
        file.write("0\r\n00000200" + z.mid(8) + "\r\n" + z + "\r\n" + z + "\r\n");
        file.close();
        load(planPath(QStringLiteral("odd.plan")));
        QVERIFY(w_.dialogs.messages.isEmpty());
        QCOMPARE(w_->board().cell(6, 1).rank.colour, RankGold);
        bool found = false;
        for (int k = 0; k < w_->board().arrows().count(); ++k) {
            if (w_->board().arrows().entries()[k].slot == 6 &&
                w_->board().arrows().entries()[k].tree == 1) {
                QCOMPARE(w_->board().arrows().entries()[k].variant, 'w');
                found = true;
            }
        }
        QVERIFY(found);
    }

    void aPlanDeletedBeforeItIsRead()
    {
        spendAPlan(*w_.window);
        const QString before = boardState(*w_.window);
        load(planPath(QStringLiteral("gone.plan")));
        QCOMPARE(w_.dialogs.messages.size(), 1);
        QVERIFY(w_.dialogs.messages[0].text.contains(QStringLiteral("gone.plan")));
        QCOMPARE(boardState(*w_.window), before);
    }

    void savingIntoAFolderThatIsNotThere()
    {
        save(planPath(QStringLiteral("no/such/folder/x.plan")));
        QCOMPARE(w_.dialogs.messages.size(), 1);
        QVERIFY(w_.dialogs.messages[0].text.contains(QStringLiteral("x.plan")));
        QVERIFY(w_->isEnabled());
    }
};

QTEST_MAIN(TestPlans)
#include "test_plans.moc"
