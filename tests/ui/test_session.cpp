// The last session: the board kept at close in the user's data folder and shown at the next start.
#include "board_driver.h"
#include "build/kept_session.h"
#include "build/plan_file.h"
#include "standard_window_test.h"

#include <QDate>
#include <QFile>
#include <QUndoStack>

class TestSession : public StandardWindowTest {
    Q_OBJECT
private slots:
    void theBoardComesBackAtTheNextStart()
    {
        world_.writeStandardClass(QStringLiteral("Dr"));
        openFreshWindow();
        chooseEntry(classBox(*w_), 1);
        pressTalentTimes(*w_, 1, 1, 3);
        const QByteArray board = formatPlan(1, w_->talents());
        const PointOrder order = w_->build().order();
        w_->close();
        const KeptSession session(world_.path(QString()));
        QVERIFY(QFile::exists(session.path()));
        QVERIFY(!session.path().startsWith(world_.exeDir())); // never in the data folder

        openFreshWindow();
        QCOMPARE(formatPlan(classBox(*w_)->currentIndex(), w_->talents()), board);
        QCOMPARE(spentLabel(*w_)->caption(), QStringLiteral("en:7: 3"));
        QCOMPARE(w_->build().order(), order); // the order spent, not one derived from the ranks
        QVERIFY(!w_->build().orderDerived());
        // Below it, the empty first class of a plain start.
        QCOMPARE(w_->build().history().count(), 1);
        undoButton(*w_)->click();
        QCOMPARE(classBox(*w_)->currentIndex(), 0);
        QCOMPARE(w_->talents().totalPoints, 0);
        QFile::remove(session.path());
        world_.remove(QStringLiteral("Dr"));
    }

    void aSessionThatNoLongerFitsIsLeftAside_data()
    {
        QTest::addColumn<QByteArray>("kept");
        const QByteArray zeros(44, '0');
        QTest::newRow("class not on offer") << "7\r\n" + zeros + "\r\n" + zeros + "\r\n" + zeros;
        QTest::newRow("rank above the talent's")
            << "0\r\n9" + zeros.mid(1) + "\r\n" + zeros + "\r\n" + zeros;
        QTest::newRow("cut short") << QByteArray("0\r\n");
        QTest::newRow("binary") << QByteArray("\x01\xff\x00\x7f", 4);
    }
    void aSessionThatNoLongerFitsIsLeftAside()
    {
        QFETCH(QByteArray, kept);
        const KeptSession session(world_.path(QString()));
        session.write(kept);
        openFreshWindow(); // checks that no box was shown
        QCOMPARE(classBox(*w_)->currentIndex(), 0);
        QCOMPARE(w_->talents().totalPoints, 0);
        QVERIFY(w_->talents().at(1, 1).present);
        QCOMPARE(w_->build().history().count(), 0);
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

    // Trees changed since the close: the session keeps its ranks by slot, as a build code does.
    void aSessionOfChangedTreesKeepsItsRanksBySlot()
    {
        pressTalentTimes(*w_, 1, 1, 5);
        pressTalentTimes(*w_, 1, 2, 2);
        w_->close();
        QVector<FixtureTree> trees = FixtureWorld::standardClass();
        trees[0].talents[0].maxRank = 3;
        world_.writeTree(QStringLiteral("Dd"), 1, trees[0]);
        w_.window.reset();
        w_.dialogs.clear();
        w_.open(world_);
        QCOMPARE(w_.dialogs.messages.size(), 1);
        QVERIFY(w_.dialogs.messages[0].text.contains(QStringLiteral("5 \u2192 3")));
        QCOMPARE(w_->talents().at(1, 1).rank, 3);
        QCOMPARE(w_->talents().at(1, 2).rank, 2);
        QVERIFY(w_->build().orderDerived());
        world_.writeStandardClass();
        QFile::remove(KeptSession(world_.path(QString())).path());
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
        // The same folder by another spelling of its path is the same folder.
        elsewhere = openOther(other.path(QStringLiteral("../datas/.")));
        QCOMPARE(elsewhere->talents().totalPoints, 2);
        QCOMPARE(languageBox(*elsewhere)->currentIndex(), 1);
        QFile::remove(KeptSession(world_.path(QString())).path());
        QFile::remove(KeptSession(other.path(QString())).path());
    }
};

QTEST_MAIN(TestSession)
#include "test_session.moc"
