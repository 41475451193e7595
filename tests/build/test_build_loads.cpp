// What a load brings onto a build: a plan file of another class or language, ranks against the
// rules, a build code made on trees that changed since; and what a load that fails leaves:
// nothing changed, and a message naming the file, the line and the reason.
#include "build/build.h"
#include "error_of.h"
#include "fixture_world.h"

#include <QTest>
#include <array>

namespace {
const PressButton Left = PressButton::Left;

// A plan file's text: the class, then per tree the ranks of its first slots, the rest at 0.
QByteArray planText(const QByteArray &classIndex, const std::array<const char *, 3> &trees)
{
    QByteArray text = classIndex + "\r\n";
    for (const char *ranks : trees)
        text += QByteArray(ranks).leftJustified(44, '0') + "\r\n";
    return text;
}
} // namespace

class TestBuildLoads : public QObject {
    Q_OBJECT
    FixtureWorld world_;
    QString data() const { return world_.path(QString()); }

private slots:
    void initTestCase()
    {
        for (const char *code : {"Dd", "Dr", "Hu"})
            world_.writeStandardClass(QLatin1String(code));
    }

    // A plan file holds neither a language nor an order: it shows in the build's language and
    // selects its own class.
    void aPlanFileLoadsIntoAnyBuild_data()
    {
        QTest::addColumn<int>("classIndex");
        QTest::addColumn<QString>("language");
        QTest::newRow("another language") << 0 << "ru";
        QTest::newRow("another class") << 1 << "en";
    }
    void aPlanFileLoadsIntoAnyBuild()
    {
        QFETCH(int, classIndex);
        QFETCH(QString, language);
        world_.write("p.plan", planText(QByteArray::number(classIndex), {"330002", "3", "50001"}));
        Build b(data(), language);
        b.changeClass(0);
        b.loadPlanFile(world_.path("p.plan"));
        QCOMPARE(b.classIndex(), classIndex);
        QCOMPARE(b.talents().totalPoints, 17);
        QCOMPARE(b.talents().at(6, 1).rank, 2);
        QCOMPARE(b.talents().at(6, 1).name, language + QStringLiteral(" talent 1-6"));
    }

    // Data may have changed since a plan was saved: a talent holding points without its
    // requirements loads; it refuses left presses and still gives points back.
    void ranksAgainstTheRulesStillLoad()
    {
        world_.write("odd.plan", planText("0", {"000002", "", ""}));
        Build b(data(), QStringLiteral("en"));
        b.loadPlanFile(world_.path("odd.plan"));
        QCOMPARE(b.talents().at(6, 1).rank, 2);
        QVERIFY(!b.talents().at(6, 1).available);
        b.press(6, 1, Left);
        QCOMPARE(b.talents().at(6, 1).rank, 2);
        b.press(6, 1, PressButton::Right);
        QCOMPARE(b.talents().at(6, 1).rank, 1);
    }

    void aCodeOfChangedTreesLoadsBySlotAndSaysWhat()
    {
        Build b(data(), QStringLiteral("en"));
        b.changeClass(0);
        // 5 ranks that the changed tree cuts to 3; 3 ranks on a slot it empties; 2 ranks in row
        // 2 that fall with the points above them; one in another tree.
        for (const auto &[slot, tree, times] :
             {std::tuple{1, 1, 5}, {2, 1, 3}, {5, 1, 2}, {1, 2, 1}})
            for (int k = 0; k < times; ++k)
                b.press(slot, tree, Left);
        const QString code = b.code();
        QVector<FixtureTree> trees = FixtureWorld::standardClass();
        trees[0].talents[0].maxRank = 3;
        trees[0].talents.removeAt(1);
        world_.writeTree(QStringLiteral("Dd"), 1, trees[0]);
        b.reset();
        const int steps = b.history().count();
        QCOMPARE(
            b.loadCode(code).split(u'\n'),
            (QStringList{QStringLiteral("The trees of this class changed; ranks are kept by slot"),
                         QStringLiteral("en talent 1-1: 5 \u2192 3 (maximum is now 3)"),
                         QStringLiteral("Tree 1, slot 2: 3 \u2192 0 (no talent there now)"),
                         QStringLiteral("en talent 1-5: 2 \u2192 0 (its requirements are no "
                                        "longer met)"),
                         QStringLiteral("The order of points could not be kept; it is derived "
                                        "from the ranks")}));
        QCOMPARE(b.talents().at(1, 1).rank, 3);
        QCOMPARE(b.talents().at(5, 1).rank, 0);
        QCOMPARE(b.talents().at(1, 2).rank, 1);
        QCOMPARE(b.history().count(), steps + 1);
        b.undo();
        QCOMPARE(b.talents().totalPoints, 0);
        world_.writeStandardClass();
    }

    // A plan file (a name ending in .plan) is loaded, any other file breaks class 1 before the
    // change to it. The class is read whole before it is shown. One row for each step of a load
    // that can fail: the messages of every fault of a plan or a tree file are test_plan_file's
    // and test_tree_file's.
    void aFailedLoadChangesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // a null array removes the file
        QTest::addColumn<QStringList>("reasons");
        const QString plan = QStringLiteral("bad.plan");
        QTest::newRow("plan: huge")
            << plan << QByteArray(70000, '1') << QStringList{"larger than 65536 bytes"};
        QTest::newRow("plan: empty") << plan << QByteArray("") << QStringList{"line 1: not a"};
        QTest::newRow("plan: class 10")
            << plan << planText("10", {"", "", ""}) << QStringList{"line 1: class 10"};
        QTest::newRow("plan: class without folder")
            << plan << planText("5", {"", "", ""}) << QStringList{"Pr/1/tal.en"};
        QTest::newRow("plan: over max rank")
            << plan << planText("0", {"04", "", ""}) << QStringList{"line 2: rank 4 at slot 2"};
        QTest::newRow("bad tree file")
            << "Dr/2/tal.en" << QByteArray("Broken\r\n#1 2\r\nname\r\nr1\r\nr2\r\n#45 1\r\n")
            << QStringList{"line 6", "slot 45"};
        QTest::newRow("missing background") << "Dr/2/fon.jpg" << QByteArray() << QStringList();
        QTest::newRow("missing tree file") << "Dr/1/tal.en" << QByteArray() << QStringList();
        QTest::newRow("broken icon")
            << "Dr/1/3.jpg" << QByteArray("not a picture") << QStringList();
        // Arrows are made for 30 prerequisites in a class: the two trees before hold 13.
        FixtureTree chains{QStringLiteral("Chains"), {{1, 1}, {2, 1}}};
        for (int slot = 5; slot <= 42; ++slot) {
            if (slot % 4 == 1 || slot % 4 == 2)
                chains.talents.append({slot, 1, slot - 4});
        }
        QTest::newRow("31 prerequisites")
            << "Dr/3/tal.en" << FixtureWorld::treeFileText(chains, 3, "en")
            << QStringList{"talent 31"};
    }
    void aFailedLoadChangesNothing()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, reasons);
        world_.writeStandardClass(QStringLiteral("Dr"));
        if (bytes.isNull())
            world_.remove(file);
        else
            world_.write(file, bytes);
        Build b(data(), QStringLiteral("en"));
        b.changeClass(0);
        b.press(1, 1, Left);
        b.press(1, 3, Left);
        const BoardState before = b.state();
        const QString message = errorOf([&] {
            if (file.endsWith(QStringLiteral(".plan")))
                b.loadPlanFile(world_.path(file));
            else
                b.changeClass(1);
        });
        QVERIFY2(message.contains(world_.path(file)), qPrintable(message));
        for (const QString &reason : reasons)
            QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(b.state() == before);
        QCOMPARE(b.history().count(), 2);
        QCOMPARE(b.talents().at(1, 2).maxRank, 3);
        // Read ahead on another thread, the class fails with the very same message.
        if (!file.endsWith(QStringLiteral(".plan"))) {
            Build ahead(data(), QStringLiteral("en"));
            ahead.readAhead(1, QStringLiteral("en"));
            QCOMPARE(errorOf([&] { ahead.changeClass(1); }), message);
        }
        // And another class still loads, whatever was read ahead for a class it is not.
        b.readAhead(1, QStringLiteral("en"));
        b.changeClass(2);
        QVERIFY(b.talents().at(1, 3).present);
        QCOMPARE(b.talents().totalPoints, 0);
    }
};

QTEST_GUILESS_MAIN(TestBuildLoads)
#include "test_build_loads.moc"
