// The build document without a window: its operations, its history and its signals.
#include "base/error.h"
#include "build/build.h"
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
            default:
                return b.changeLanguage(QStringLiteral("xx"));
            }
        };
        QVERIFY_THROWS_EXCEPTION(Error, attempt());
        QVERIFY(seen(b) == before);
        QCOMPARE(anything.size(), 0);
        world_.writeStandardClass();
    }

    // A code carries the build whole to another document: ranks, the order and the summary.
    void aCodeCarriesTheBuildToAnotherDocument()
    {
        Build first(data(), QStringLiteral("en"));
        first.changeClass(1);
        first.press(1, 3, Left);
        first.press(1, 1, Left);
        Build second(data(), QStringLiteral("en"));
        QVERIFY(second.loadCode(first.code()).isEmpty());
        QVERIFY(second.state() == first.state());
        QCOMPARE(second.summary(), first.summary());
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
};

QTEST_GUILESS_MAIN(TestBuild)
#include "test_build.moc"
