// The build document without a window: its operations, its history, its signals, its summary
// and its kept session.
#include "base/error.h"
#include "build/build.h"
#include "build/kept_session.h"
#include "error_of.h"
#include "fixture_world.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const PressButton Left = PressButton::Left;

// What a user sees of a build, to tell that an operation changed nothing.
struct Seen {
    BoardState state;
    QString language;
    int steps;
    int stepIndex;
    bool operator==(const Seen &) const = default;
};
Seen seen(const Build &b)
{
    return {b.state(), b.languageCode(), b.history().count(), b.history().index()};
}
} // namespace

class TestBuild : public QObject {
    Q_OBJECT
    FixtureWorld world_;
    QString data() const { return world_.path(QString()) + u'/'; }

private slots:
    void initTestCase()
    {
        world_.writeStandardClass();
        world_.writeStandardClass(QStringLiteral("Dr"));
    }

    void operationsWalkTheHistory()
    {
        Build b(data(), QStringLiteral("en"));
        QSignalSpy classes(&b, &Build::classChanged);
        QSignalSpy ranks(&b, &Build::ranksChanged);
        b.changeClass(0); // the first class: no step to go back to
        QCOMPARE(classes.size(), 1);
        QCOMPARE(b.history().count(), 0);
        for (int k = 0; k < 3; ++k)
            b.press(1, 1, Left);
        b.press(1, 3, Left);
        QCOMPARE(ranks.size(), 4);
        QCOMPARE(b.order(), (PointOrder{{1, 1}, {1, 1}, {1, 1}, {1, 3}}));
        b.resetTree(1);
        QCOMPARE(b.order(), (PointOrder{{1, 3}}));
        b.changeClass(1);
        QCOMPARE(b.talents().totalPoints, 0);
        b.undo(); // the class and its point come back
        QCOMPARE(b.classIndex(), 0);
        QCOMPARE(b.talents().totalPoints, 1);
        b.undo();
        QCOMPARE(b.talents().at(1, 1).rank, 3);
        QCOMPARE(b.history().count(), 6);
        b.redo();
        b.redo();
        QCOMPARE(b.classIndex(), 1);
        QCOMPARE(classes.size(), 4);
    }

    void aFailedOperationChangesNothing_data()
    {
        QTest::addColumn<int>("operation");
        QTest::newRow("plan file that is not there") << 0;
        QTest::newRow("text without a code") << 1;
        QTest::newRow("class without its folder") << 2;
        QTest::newRow("language without its strings") << 3;
        QTest::newRow("ranks the other language cannot hold") << 4;
        QTest::newRow("undo to a class whose files broke since") << 5;
        QTest::newRow("redo to a class whose files broke since") << 6;
    }
    void aFailedOperationChangesNothing()
    {
        QFETCH(int, operation);
        world_.writeStrings(QStringLiteral("xx"), FixtureWorld::defaultStrings("xx"));
        QVector<FixtureTree> small = FixtureWorld::standardClass();
        small[0].talents[0].maxRank = 1;
        for (int tree = 1; tree <= TreeCount; ++tree)
            world_.writeTree(QStringLiteral("Dd"), tree, small[tree - 1], {QStringLiteral("xx")});
        Build b(data(), QStringLiteral("en"));
        b.changeClass(0);
        b.press(1, 1, Left);
        b.press(1, 1, Left);
        if (operation >= 5) {
            b.changeClass(1);
            b.changeClass(0);
            if (operation == 6) {
                b.undo();
                b.undo();
            }
            world_.write(QStringLiteral("Dr/2/fon.jpg"), "broken");
        }
        const Seen before = seen(b);
        QSignalSpy anything(&b, &Build::orderChanged);
        const auto attempt = [&] {
            switch (operation) {
            case 0:
                return b.loadPlanFile(world_.path(QStringLiteral("none.plan")));
            case 1:
                return static_cast<void>(b.loadCode(QStringLiteral("no code here")));
            case 2:
                return b.changeClass(7);
            case 3:
                return b.changeLanguage(QStringLiteral("zz"));
            case 4:
                return b.changeLanguage(QStringLiteral("xx"));
            default:
                return operation == 5 ? b.undo() : b.redo();
            }
        };
        QVERIFY_THROWS_EXCEPTION(Error, attempt());
        QVERIFY(seen(b) == before);
        QCOMPARE(anything.size(), 0);
        world_.writeStandardClass();
        world_.writeStandardClass(QStringLiteral("Dr"));
    }

    // A code carries the build whole to another document as one step, found in a chat line
    // broken over two lines: ranks, the order and the summary.
    void aCodeCarriesTheBuildToAnotherDocument()
    {
        Build first(data(), QStringLiteral("en"));
        first.changeClass(1);
        first.press(1, 3, Left);
        first.press(1, 1, Left);
        const QString code = first.code();
        Build second(data(), QStringLiteral("en"));
        second.changeClass(0);
        QVERIFY(second
                    .loadCode(QStringLiteral("try this: ") + code.left(30) + QStringLiteral("\n ") +
                              code.mid(30) + QStringLiteral(" - good luck"))
                    .isEmpty());
        QVERIFY(second.state() == first.state());
        QCOMPARE(second.summary(), first.summary());
        QCOMPARE(second.history().count(), 1);
        second.undo();
        QCOMPARE(second.talents().totalPoints, 0);
        second.redo();
        second.press(2, 1, Left); // the two are independent
        QCOMPARE(first.talents().totalPoints, 2);
        QVERIFY(second.summary().startsWith(QStringLiteral("en class 1: 3 points")));
    }

    // The class is read in the new language with the same ranks, or the change is refused; the
    // history walks on in the language shown.
    void aLanguageChangeKeepsThePlanOrIsRefused_data()
    {
        QTest::addColumn<int>("russianRanksOfFirst");
        QTest::newRow("same trees") << 5;
        QTest::newRow("fewer ranks in Russian") << 2;
    }
    void aLanguageChangeKeepsThePlanOrIsRefused()
    {
        QFETCH(int, russianRanksOfFirst);
        QVector<FixtureTree> trees = FixtureWorld::standardClass();
        trees[0].talents[0].maxRank = russianRanksOfFirst;
        world_.write(QStringLiteral("Dd/1/tal.ru"), FixtureWorld::treeFileText(trees[0], 1, "ru"));
        Build b(data(), QStringLiteral("en"));
        b.changeClass(0);
        for (int k = 0; k < 3; ++k)
            b.press(1, 1, Left);
        const BoardState before = b.state();
        QSignalSpy language(&b, &Build::languageChanged);
        const bool fits = russianRanksOfFirst >= 3;
        if (fits)
            b.changeLanguage(QStringLiteral("ru"));
        else
            QVERIFY_THROWS_EXCEPTION(Error, b.changeLanguage(QStringLiteral("ru")));
        QCOMPARE(language.size(), fits ? 1 : 0);
        QVERIFY(b.state() == before);
        QCOMPARE(b.history().count(), 3);
        const QString shown = fits ? QStringLiteral("ru") : QStringLiteral("en");
        QCOMPARE(b.languageCode(), shown);
        QCOMPARE(b.talents().at(1, 1).name, shown + QStringLiteral(" talent 1-1"));
        b.undo();
        QCOMPARE(b.talents().at(1, 1).rank, 2);
        world_.writeStandardClass();
    }

    // The summary's text whole for one plan.
    void theSummaryOfAPlanSaysItAll()
    {
        Build b(data(), QStringLiteral("en"));
        b.changeClass(0);
        // Row 2 opens at five points above it.
        for (const auto &[slot, tree] :
             {std::pair{1, 3}, {1, 1}, {1, 1}, {1, 1}, {2, 1}, {2, 1}, {5, 1}, {1, 1}})
            b.press(slot, tree, PressButton::Left);
        // Giving a point of row 1 back is allowed now, but row 2's point came too early then.
        b.press(2, 1, PressButton::Right);
        const QString code = b.summary().split(u'\n', Qt::SkipEmptyParts).last();
        QCOMPARE(b.summary(), QStringLiteral("en class 0: 7 points, level 16\n"
                                             "First Tree: 6 points\n"
                                             "  en talent 1-1 4/5\n"
                                             "  en talent 1-2 1/3\n"
                                             "  en talent 1-5 1/3\n"
                                             "Second Tree: 0 points\n"
                                             "Third Tree: 1 points\n"
                                             "  en talent 3-1 1/5\n"
                                             "\n"
                                             "The points level by level:\n"
                                             "Level 10 \u2014 en talent 3-1 1/5\n"
                                             "Level 11 \u2014 en talent 1-1 1/5\n"
                                             "Level 12 \u2014 en talent 1-1 2/5\n"
                                             "Level 13 \u2014 en talent 1-1 3/5\n"
                                             "Level 14 \u2014 en talent 1-2 1/3\n"
                                             "Level 15 \u2014 en talent 1-5 1/3 (not legal at "
                                             "this level)\n"
                                             "Level 16 \u2014 en talent 1-1 4/5\n"
                                             "\n") +
                                  code + u'\n');
        QVERIFY(code.startsWith(QStringLiteral("RB3Dd")));
    }

    // A build compared with another of its class: the summary's section of the differences, and
    // a build of another class refused, whether a code or a plan file holds it.
    void aComparedSummarySaysHowTheBuildsDiffer()
    {
        Build b(data(), QStringLiteral("en"));
        Build other(data(), QStringLiteral("en"));
        b.changeClass(0);
        other.changeClass(0);
        for (const auto &[slot, tree] : {std::pair{1, 1}, {1, 1}, {2, 1}})
            b.press(slot, tree, PressButton::Left);
        for (const auto &[slot, tree] : {std::pair{1, 1}, {1, 3}})
            other.press(slot, tree, PressButton::Left);
        const BoardState compared = b.stateOfCode(other.code());
        QVERIFY(compared == other.state());
        QCOMPARE(b.summary(&compared).section(u'\n', -11),
                 QStringLiteral("Differences:\n"
                                "First Tree:\n"
                                "  en talent 1-1: 2 -> 1\n"
                                "  en talent 1-2: 1 -> 0\n"
                                "Third Tree:\n"
                                "  en talent 3-1: 0 -> 1\n"
                                "Points: 3 -> 2\n"
                                "Orders part at level 11: en talent 1-1 / en talent 3-1\n"
                                "\n") +
                     b.code() + u'\n');

        Build third(data(), QStringLiteral("en"));
        third.changeClass(1);
        const QString plan = world_.path(QStringLiteral("third.plan"));
        writePlanFile(plan, third.planText(1));
        const QString refusal = QStringLiteral("this one is of en class 1");
        QVERIFY(errorOf([&] { b.stateOfCode(third.code()); }).endsWith(refusal));
        QVERIFY(errorOf([&] { b.stateOfPlanFile(plan); }).endsWith(refusal));
    }

    // The kept session: shown again as one step over a plain start, by slot on trees that changed
    // since, refused whole when it cannot be shown, and kept apart for each data folder.
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

QTEST_GUILESS_MAIN(TestBuild)
#include "test_build.moc"
