// The kept session of a build: shown again as one step over a plain start, by slot on trees that
// changed since, refused whole when it cannot be shown, and kept apart for each data folder.
#include "base/error.h"
#include "build/build.h"
#include "build/kept_session.h"
#include "fixture_world.h"

#include <QTest>

class TestBuildSession : public QObject {
    Q_OBJECT
    FixtureWorld world_;
    QString data() const { return world_.path(QString()); }

private slots:
    void initTestCase()
    {
        world_.writeStandardClass();
        world_.writeStandardClass(QStringLiteral("Dr"));
    }

    void aSessionComesBackOverAPlainStart_data()
    {
        QTest::addColumn<int>("classIndex");
        QTest::addColumn<bool>("treesChanged");
        QTest::newRow("as it was kept") << 1 << false;
        // Trees changed since the close: the session keeps its ranks by slot, as a code does.
        QTest::newRow("trees changed since") << 0 << true;
    }
    void aSessionComesBackOverAPlainStart()
    {
        QFETCH(int, classIndex);
        QFETCH(bool, treesChanged);
        Build kept(data(), QStringLiteral("en"));
        kept.changeClass(classIndex);
        for (const int tree : {1, 1, 1, 1, 1, 2, 2})
            kept.press(1, tree, PressButton::Left);
        if (treesChanged) {
            QVector<FixtureTree> trees = FixtureWorld::standardClass();
            trees[0].talents[0].maxRank = 3;
            world_.writeTree(QStringLiteral("Dd"), 1, trees[0]);
        }
        Build b(data(), QStringLiteral("en"));
        const QString report = b.restoreSession(kept.sessionText(), QStringLiteral("s.plan"), 0);
        if (treesChanged) {
            QVERIFY2(report.contains(QStringLiteral("5 \u2192 3")), qPrintable(report));
            QCOMPARE(b.talents().at(1, 1).rank, 3);
            QCOMPARE(b.talents().at(1, 2).rank, 2);
            QVERIFY(b.orderDerived());
        } else {
            QVERIFY2(report.isEmpty(), qPrintable(report));
            // The order spent, not one derived from the ranks.
            QVERIFY(b.state() == kept.state());
        }
        // Below it, the empty first class of a plain start.
        QCOMPARE(b.history().count(), 1);
        b.undo();
        QCOMPARE(b.classIndex(), 0);
        QCOMPARE(b.talents().totalPoints, 0);
        world_.writeStandardClass();
    }

    void aSessionThatCannotBeShownChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("kept");
        const QByteArray zeros(44, '0');
        QTest::newRow("class not on offer") << "7\r\n" + zeros + "\r\n" + zeros + "\r\n" + zeros;
        QTest::newRow("rank above the talent's")
            << "0\r\n9" + zeros.mid(1) + "\r\n" + zeros + "\r\n" + zeros;
        QTest::newRow("cut short") << QByteArray("0\r\n");
        QTest::newRow("binary") << QByteArray("\x01\xff\x00\x7f", 4);
    }
    void aSessionThatCannotBeShownChangesNothing()
    {
        QFETCH(QByteArray, kept);
        Build b(data(), QStringLiteral("en"));
        QVERIFY_THROWS_EXCEPTION(Error, b.restoreSession(kept, QStringLiteral("s.plan"), 0));
        QCOMPARE(b.classIndex(), -1);
        QCOMPARE(b.history().count(), 0);
    }

    void eachDataFolderKeepsItsOwnSession()
    {
        FixtureWorld other;
        const KeptSession here(world_.path(QString()));
        const KeptSession there(other.path(QString()));
        QVERIFY(here.path() != there.path());
        // The same folder by another spelling of its path is the same folder.
        QCOMPARE(KeptSession(other.path(QStringLiteral("../datas/."))).path(), there.path());
        QVERIFY(!here.path().startsWith(world_.exeDir())); // never in the data folder
    }
};

QTEST_GUILESS_MAIN(TestBuildSession)
#include "test_build_session.moc"
