// Saving and loading plans through the window: round trips, refusals that keep the board, and
// saves that fail without harming the old file.
#include "board/arrow_piece.h"
#include "board/fonts.h"
#include "board/grey.h"
#include "board/rank_look.h"
#include "board_driver.h"
#include "build/plan_file.h"
#include "ui/arrow_layer.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

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
                         .arg(c.rankLabel->caption())
                         .arg(c.rankLabel->fontColour().name())
                         .arg(c.icon->pixelColour(20, 20) == c.iconSource->pixelColour(20, 20));
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
                    QVERIFY(w.board().cell(slot, tree).rankLabel->fontColour() != RankGreen);
            }
        }
    }

    void aPlanLoadsInAnotherLanguage()
    {
        spendAPlan(*w_.window);
        save(planPath(QStringLiteral("en.plan")));
        chooseEntry(languageBox(*w_), 1);
        resetButton(*w_)->click();
        QCOMPARE(w_->talents().totalPoints, 0);
        load(planPath(QStringLiteral("en.plan")));
        QVERIFY(w_.dialogs.messages.isEmpty());
        QCOMPARE(w_->talents().totalPoints, 17);
        QCOMPARE(w_->talents().at(6, 1).rank, 2);
        QCOMPARE(w_->talents().at(6, 1).name, QStringLiteral("ru talent 1-6"));
        QCOMPARE(spentLabel(*w_)->caption(), QStringLiteral("ru:7: 17"));
    }

    void aPlanSelectsItsClass()
    {
        spendAPlan(*w_.window);
        QByteArray text = formatPlan(1, w_->talents());
        QFile file(planPath(QStringLiteral("dr.plan")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        resetButton(*w_)->click();
        load(planPath(QStringLiteral("dr.plan")));
        QCOMPARE(classBox(*w_)->currentIndex(), 1);
        QCOMPARE(w_->talents().totalPoints, 17);
    }

    void ranksAgainstTheRulesStillLoad()
    {
        // Data may have changed since a plan was saved: a talent holding points without its
        // requirements loads, shows white and its arrow locked.
        const QByteArray z(44, '0');
        QByteArray tree1 = z;
        tree1[5] = '2'; // slot 6: needs row 1 and slot 2 at full rank
        QFile file(planPath(QStringLiteral("odd.plan")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0\r\n" + tree1 + "\r\n" + z + "\r\n" + z + "\r\n");
        file.close();
        load(planPath(QStringLiteral("odd.plan")));
        QVERIFY(w_.dialogs.messages.isEmpty());
        const Talent &t = w_->talents().at(6, 1);
        QCOMPARE(t.rank, 2);
        QVERIFY(!t.available);
        QCOMPARE(w_->board().cell(6, 1).rankLabel->fontColour(), RankGold);
        bool found = false;
        for (int k = 0; k < w_->board().arrows().count(); ++k) {
            if (w_->board().arrows().entries()[k].slot == 6 && w_->board().arrows().entries()[k].tree == 1) {
                QCOMPARE(w_->board().arrows().entries()[k].variant, 'w');
                found = true;
            }
        }
        QVERIFY(found);
        // It refuses left presses and still gives points back.
        pressTalent(*w_.window, 6, 1);
        QCOMPARE(w_->talents().at(6, 1).rank, 2);
        pressTalent(*w_.window, 6, 1, Qt::RightButton);
        QCOMPARE(w_->talents().at(6, 1).rank, 1);
    }

    void badPlansLeaveTheBoardAsItWas_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        const QByteArray z(44, '0');
        auto plan = [&](const QByteArray &first, const QByteArray &t1) -> QByteArray {
            return first + "\r\n" + t1 + "\r\n" + z + "\r\n" + z + "\r\n";
        };
        QByteArray over = z;
        over[1] = '4'; // slot 2 has 3 ranks
        QByteArray letters = z;
        letters[0] = 'a';
        QByteArray budget(44, '5'); // tree 3 holds 22 talents of five ranks: 110 points
        QTest::newRow("empty") << QByteArray() << "line 1: not a Runeplan plan (line 1 is empty)";
        QTest::newRow("binary") << QByteArray("\x7f\x00\x80\x81", 4) << "line 1:";
        QTest::newRow("huge") << QByteArray(70000, '1') << "larger than 65536 bytes";
        QTest::newRow("short") << "0\r\n" + z + "\r\n"
                               << "line 3:";
        QTest::newRow("letters") << plan("0", letters) << "line 2: 'a' at slot 1";
        QTest::newRow("over max rank") << plan("0", over) << "line 2: rank 4 at slot 2";
        QTest::newRow("over 71") << "0\r\n" + z + "\r\n" + z + "\r\n" + budget + "\r\n"
                                 << "line 4: the plan spends 110 points";
        QTest::newRow("class -1") << plan("-1", z) << "line 1: class -1";
        QTest::newRow("class 10") << plan("10", z) << "line 1: class 10";
        QTest::newRow("class 99999999999") << plan("99999999999", z) << "'99999999999'";
        QTest::newRow("class without folder") << plan("5", z) << "Pr/1/tal.en";
    }
    void badPlansLeaveTheBoardAsItWas()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        spendAPlan(*w_.window);
        const QString before = boardState(*w_.window);
        const QString path = planPath(QStringLiteral("bad.plan"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        load(path);
        QCOMPARE(w_.dialogs.messages.size(), 1);
        const QString message = w_.dialogs.messages[0].text;
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("bad.plan")), qPrintable(message));
        QCOMPARE(boardState(*w_.window), before);
        QVERIFY(w_->isEnabled());
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

    void aFailedSaveKeepsTheOldFile()
    {
        const QString path = planPath(QStringLiteral("old.plan"));
        save(path);
        const QByteArray old = readAll(path);
        QVERIFY(!old.isEmpty());
        spendAPlan(*w_.window);
        // Writes past 16 bytes fail while the limit holds, as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
        save(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(w_.dialogs.messages.size(), 1);
        QVERIFY(w_.dialogs.messages[0].text.contains(path));
        QCOMPARE(readAll(path), old);
        QVERIFY(w_->isEnabled());
        const QStringList leftovers =
            QDir(plans_.path()).entryList({QStringLiteral("old.plan*")}, QDir::Files);
        QCOMPARE(leftovers, QStringList{QStringLiteral("old.plan")});
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
