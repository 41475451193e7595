// The last session through the window: the board kept at close in the user's data folder and
// shown at the next start, with a box when its trees changed since, set aside when it cannot be
// shown, and closes that cannot keep it.
#include "board_driver.h"
#include "build/kept_session.h"
#include "standard_window_test.h"

#include <QDate>
#include <QFile>

class TestSession : public StandardWindowTest {
    Q_OBJECT
private slots:
    void theBoardComesBackAtTheNextStart()
    {
        world_.writeStandardClass(QStringLiteral("Dr"));
        openFreshWindow();
        chooseEntry(classBox(*w_), 1);
        pressTalentTimes(*w_, 1, 1, 3);
        const BoardState board = w_->build().state();
        w_->close();
        const KeptSession session(world_.path(QString()));
        QVERIFY(QFile::exists(session.path()));

        openFreshWindow();
        QVERIFY(w_->build().state() == board); // with the order spent, not one derived
        QCOMPARE(classBox(*w_)->currentIndex(), 1);
        QCOMPARE(spentLabel(*w_)->caption(), QStringLiteral("en:7: 3"));
        // Below it, the empty first class of a plain start.
        undoButton(*w_)->click();
        QCOMPARE(classBox(*w_)->currentIndex(), 0);
        QFile::remove(session.path());
    }

    void aSessionOfChangedTreesIsReported()
    {
        pressTalentTimes(*w_, 1, 1, 5);
        w_->close();
        QVector<FixtureTree> trees = FixtureWorld::standardClass();
        trees[0].talents[0].maxRank = 3;
        world_.writeTree(QStringLiteral("Dd"), 1, trees[0]);
        w_.window.reset();
        w_.dialogs.clear();
        w_.open(world_);
        QCOMPARE(w_.dialogs.messages.size(), 1);
        QVERIFY(w_.dialogs.messages[0].text.contains(QStringLiteral("5 \u2192 3")));
        QCOMPARE(w_->board().cell(1, 1).rank.text, QStringLiteral("3/3"));
        world_.writeStandardClass();
        QFile::remove(KeptSession(world_.path(QString())).path());
    }

    void aSessionThatCannotBeShownIsSetAside()
    {
        const QByteArray kept("\x01\xff\x00\x7f", 4);
        const KeptSession session(world_.path(QString()));
        session.write(kept);
        openFreshWindow(); // checks that no box was shown
        QCOMPARE(classBox(*w_)->currentIndex(), 0);
        QVERIFY(w_->board().cell(1, 1).placed);
        QVERIFY(!undoButton(*w_)->isEnabled());
        // Kept aside, never overwritten by the board of this start.
        QVERIFY(!QFile::exists(session.path()));
        const QString aside = session.path() + u'.' +
                              QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) +
                              QStringLiteral(".bak");
        QFile file(aside);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kept);
        QVERIFY(file.remove());
    }

    void unwritableFoldersStopNothing()
    {
        // The user's data folder is a file: the session can be neither read nor kept.
        const QByteArray home = qgetenv("XDG_DATA_HOME");
        QFile blocker(QString::fromLocal8Bit(home) + QStringLiteral("-blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_DATA_HOME", blocker.fileName().toLocal8Bit());
        openFreshWindow();
        pressTalent(*w_, 1, 1);
        w_->close();
        QVERIFY(w_.dialogs.messages.isEmpty());
        QVERIFY(w_->isHidden());
        openFreshWindow();
        QCOMPARE(w_->talents().totalPoints, 0);
        qputenv("XDG_DATA_HOME", home);
        blocker.remove();
    }

    void eachDataFolderKeepsItsOwnSessionAndLanguage()
    {
        // A planner started with --data on another folder: its board and its language are kept
        // with that folder, and neither touches the other's.
        FixtureWorld other;
        other.writeStandardClass();
        pressTalent(*w_, 1, 1);
        w_->close();
        const auto openOther = [&](const QString &folder) {
            return std::make_unique<MainWindow>(world_.exeDir(),
                                                MainWindow::StartOptions{folder, {}});
        };
        auto elsewhere = openOther(other.path(QString()));
        QCOMPARE(elsewhere->talents().totalPoints, 0);
        pressTalentTimes(*elsewhere, 1, 1, 2);
        chooseEntry(languageBox(*elsewhere), 1);
        elsewhere->close();
        elsewhere.reset();
        QVERIFY(w_.dialogs.messages.isEmpty());

        openFreshWindow();
        QCOMPARE(w_->talents().totalPoints, 1);
        QCOMPARE(languageBox(*w_)->currentIndex(), 0);
        elsewhere = openOther(other.path(QString()));
        QCOMPARE(elsewhere->talents().totalPoints, 2);
        QCOMPARE(languageBox(*elsewhere)->currentIndex(), 1);
        QFile::remove(KeptSession(world_.path(QString())).path());
        QFile::remove(KeptSession(other.path(QString())).path());
    }
};

QTEST_MAIN(TestSession)
#include "test_session.moc"
