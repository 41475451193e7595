// The plan file format: writing, reading and the checks against a class, without a window, and a
// write that fails without harming the old file.
#include "build/plan_file.h"
#include "error_of.h"
#include "talents/tree_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {
QString zeros()
{
    return QString(44, u'0');
}

ClassLayout layoutWith(std::initializer_list<std::tuple<int, int, int>> talents)
{
    ClassLayout layout;
    for (const auto &[slot, tree, maxRank] : talents)
        layout.set(slot, tree, true, maxRank);
    return layout;
}
} // namespace

class TestPlanFile : public QObject {
    Q_OBJECT
private slots:
    void emptyBoardIsTheIndexAndZeros()
    {
        TalentTable table;
        const QByteArray expected = "3\r\n" + zeros().toLatin1() + "\r\n" + zeros().toLatin1() +
                                    "\r\n" + zeros().toLatin1() + "\r\n";
        QCOMPARE(formatPlan(3, table), expected);
    }

    void rankStandsAtItsSlot()
    {
        TalentTable table;
        table.at(10, 2).present = true;
        table.at(10, 2).maxRank = 5;
        table.at(10, 2).rank = 3;
        // A rank on a slot without a placed talent is never written.
        table.at(4, 1).rank = 2;
        const QList<QByteArray> lines = formatPlan(0, table).split('\n');
        QCOMPARE(lines[1].left(44), zeros().toLatin1());
        QCOMPARE(lines[2].at(9), '3');
        QCOMPARE(lines[2].count('0'), 43);
        QVERIFY(lines[2].endsWith('\r'));
    }

    void readingAcceptsWhatPlansLookLike_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("classIndex");
        QTest::addColumn<QString>("tree2");
        const QByteArray z = zeros().toLatin1();
        QTest::newRow("CR LF") << "4\r\n" + z + "\r\n1" + z.mid(1) + "\r\n" + z + "\r\n"
                               << 4 << "1" + zeros().mid(1);
        QTest::newRow("LF") << "4\n" + z + "\n2" + z.mid(1) + "\n" + z << 4 << "2" + zeros().mid(1);
        QTest::newRow("long line cut") << "1\n" + z + "\n" + z + "999\n" + z + "\n" << 1 << zeros();
        QTest::newRow("lines after the third ignored")
            << "0\n" + z + "\n" + z + "\n" + z + "\ngarbage\nmore\n"
            << 0 << zeros();
    }
    void readingAcceptsWhatPlansLookLike()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, classIndex);
        QFETCH(QString, tree2);
        const PlanText plan = parsePlanText(text, QStringLiteral("plan.txt"));
        QCOMPARE(plan.classIndex, classIndex);
        QCOMPARE(plan.treeLines[1], tree2);
    }

    void badPlansAreRefusedWithFileLineAndReason_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        const QByteArray z = zeros().toLatin1();
        QTest::newRow("empty") << QByteArray()
                               << "plan.txt, line 1: not a Runeplan plan (line 1 is empty)";
        QTest::newRow("letters for the class")
            << "two\n" + z + "\n" + z + "\n" + z << "line 1: 'two' is not a valid integer";
        QTest::newRow("huge class")
            << "99999999999\n" + z + "\n" + z + "\n" + z << "'99999999999' is not a valid integer";
        QTest::newRow("two tree lines") << "0\n" + z + "\n" + z + "\n"
                                        << "plan.txt, line 4:";
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe", 4) << "line 1:";
    }
    void badPlansAreRefusedWithFileLineAndReason()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        const QString message = errorOf([&] { parsePlanText(text, QStringLiteral("plan.txt")); });
        QVERIFY2(message.contains(expected), qPrintable(message));
    }

    void classIndexMustNameAClassOnOffer_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("classCount");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("first") << 0 << 10 << true;
        QTest::newRow("last") << 9 << 10 << true;
        QTest::newRow("ten") << 10 << 10 << false;
        QTest::newRow("minus one") << -1 << 10 << false;
        QTest::newRow("past a short class box") << 3 << 3 << false;
    }
    void classIndexMustNameAClassOnOffer()
    {
        QFETCH(int, index);
        QFETCH(int, classCount);
        QFETCH(bool, accepted);
        PlanText plan;
        plan.classIndex = index;
        const QString message =
            errorOf([&] { checkPlanClass(plan, classCount, QStringLiteral("plan.txt")); });
        QCOMPARE(message.isEmpty(), accepted);
        if (!accepted)
            QVERIFY2(message.startsWith(QStringLiteral("plan.txt, line 1: ")), qPrintable(message));
    }

    void ranksAreCheckedAgainstTheClass_data()
    {
        QTest::addColumn<QString>("tree1");
        QTest::addColumn<QString>("expected"); // empty: accepted
        QTest::newRow("fits") << "32" + zeros().mid(2) << "";
        QTest::newRow("full rank") << "53" + zeros().mid(2) << "";
        QTest::newRow("over max rank") << "54" + zeros().mid(2) << "line 2: rank 4 at slot 2";
        QTest::newRow("letter at a talent") << "5x" + zeros().mid(2) << "line 2: 'x' at slot 2";
        QTest::newRow("letter at an empty slot") << "30x" + zeros().mid(3) << "";
        QTest::newRow("digit at an empty slot is ignored") << "309" + zeros().mid(3) << "";
        QTest::newRow("line too short") << "5"
                                        << "line 2: the line ends before slot 2";
        QTest::newRow("empty line") << ""
                                    << "line 2: the line ends before slot 1";
    }
    void ranksAreCheckedAgainstTheClass()
    {
        QFETCH(QString, tree1);
        QFETCH(QString, expected);
        const ClassLayout layout = layoutWith({{1, 1, 5}, {2, 1, 3}});
        PlanText plan;
        plan.treeLines = {tree1, zeros(), zeros()};
        PlanRanks ranks;
        const QString message =
            errorOf([&] { ranks = checkPlan(plan, layout, QStringLiteral("plan.txt")); });
        if (expected.isEmpty()) {
            QVERIFY2(message.isEmpty(), qPrintable(message));
            QCOMPARE(ranks.rank(1, 1), tree1.at(0).digitValue());
            QCOMPARE(ranks.rank(3, 1), 0);
        } else {
            QVERIFY2(message.contains(expected), qPrintable(message));
        }
    }

    void messagesKeepFileNamesWithPercentSigns_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("%1") << "/data/odd %1 folder/p.txt";
        QTest::newRow("%2 and %3") << "/data/%2%3/p.txt";
    }
    void messagesKeepFileNamesWithPercentSigns()
    {
        QFETCH(QString, fileName);
        const QString plan = errorOf([&] { parsePlanText("x\n", fileName); });
        QCOMPARE(plan, fileName + QStringLiteral(", line 1: 'x' is not a valid integer value"));
        const QString tree =
            errorOf([&] { parseTalentHeader(QStringLiteral("#50 1"), fileName, 7); });
        QCOMPARE(tree, fileName + QStringLiteral(", line 7: slot 50 is outside 1 to 44"));
    }

    void theBudgetHoldsOverAllTrees()
    {
        ClassLayout layout;
        for (int tree = 1; tree <= 3; ++tree) {
            for (int slot = 1; slot <= 5; ++slot)
                layout.set(slot, tree, true, 5);
        }
        PlanText plan;
        const QString full = QStringLiteral("55555") + QString(39, u'0');
        plan.treeLines = {full, full, QStringLiteral("55555") + QString(39, u'0')};
        QVERIFY(errorOf([&] {
                    checkPlan(plan, layout, QStringLiteral("p"));
                }).contains(QStringLiteral("75 points")));
        plan.treeLines[2] = QStringLiteral("55551") + QString(39, u'0');
        PlanRanks ranks;
        QVERIFY(errorOf([&] { ranks = checkPlan(plan, layout, QStringLiteral("p")); }).isEmpty());
    }

    void aFailedWriteKeepsTheOldFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.plan"));
        writePlanFile(path, "old");
        // Writes past 16 bytes fail while the limit holds, as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
        const QString message = errorOf([&] { writePlanFile(path, QByteArray(140, '0')); });
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY2(message.contains(path), qPrintable(message));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("old.plan")});
    }
};

QTEST_MAIN(TestPlanFile)
#include "test_plan_file.moc"
