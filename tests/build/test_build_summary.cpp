// The summary of a build: its text whole for one fixed plan.
#include "build/build.h"
#include "fixture_world.h"

#include <QTest>

class TestBuildSummary : public QObject {
    Q_OBJECT
private slots:
    void theTextOfAPlanSaysItAll()
    {
        FixtureWorld world;
        world.writeStandardClass();
        Build b(world.path(QString()), QStringLiteral("en"));
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
};

QTEST_GUILESS_MAIN(TestBuildSummary)
#include "test_build_summary.moc"
