// The checker's rules on tree files: a translation keeps the rules of its tree, a prerequisite
// names a placed talent, and texts that tell of a missing line.
#include "talents/tree_rules.h"

#include <QTest>

namespace {

// A tree file from "slot ranks [prereq]" headers, each block with its name and rank texts.
TreeFile tree(const QStringList &headers)
{
    QStringList lines{QStringLiteral("Tree")};
    for (const QString &header : headers) {
        lines << u'#' + header << QStringLiteral("name");
        const int ranks = header.split(u' ').value(1).toInt();
        for (int k = 0; k < ranks; ++k)
            lines << QStringLiteral("rank");
    }
    return parseTreeFile(lines, QStringLiteral("t"));
}

QStringList texts(const QVector<Finding> &findings)
{
    QStringList out;
    for (const Finding &f : findings)
        out << findingText(f);
    return out;
}

} // namespace

class TestTreeRules : public QObject {
    Q_OBJECT
private slots:
    void translationsKeepTheRules_data()
    {
        QTest::addColumn<QStringList>("translation");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("the same") << QStringList{"1 2", "5 1 1"} << QStringList();
        QTest::newRow("slot missing")
            << QStringList{"1 2"} << QStringList{"ru: slot 5 is missing; en names it at line 6"};
        QTest::newRow("slot added") << QStringList{"1 2", "5 1 1", "9 1"}
                                    << QStringList{"ru:9: slot 9 is not in en; a translation must "
                                                   "not change the rules"};
        QTest::newRow("ranks and prerequisite changed")
            << QStringList{"1 3", "5 1"}
            << QStringList{"ru:2: slot 1 has 3 ranks where en gives 2; a translation must not "
                           "change the rules",
                           "ru:7: slot 5 has no prerequisite where en gives prerequisite 1; a "
                           "translation must not change the rules"};
        QTest::newRow("a later block of the slot counts")
            << QStringList{"1 2", "5 2 1", "5 1 1"} << QStringList();
    }
    void translationsKeepTheRules()
    {
        QFETCH(QStringList, translation);
        QFETCH(QStringList, expected);
        const TreeFile reference = tree({"1 2", "5 1 1"});
        QCOMPARE(texts(headerDisagreements(reference, "en", tree(translation), "ru")), expected);
    }

    void prerequisitesNamePlacedTalents_data()
    {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QList<int>>("placedSlots");
        QTest::addColumn<QStringList>("expected");
        const QString never = QStringLiteral(", where no talent is placed (no block names it or "
                                             "its picture %1.jpg is missing): it can never be "
                                             "opened");
        QTest::newRow("placed") << QStringList{"1 1", "5 1 1"} << QList<int>{1, 5} << QStringList();
        QTest::newRow("picture missing")
            << QStringList{"1 1", "5 1 1"} << QList<int>{5}
            << QStringList{"t:5: talent 5 needs slot 1" + never.arg(1)};
        QTest::newRow("no block") << QStringList{"5 1 2"} << QList<int>{2, 5}
                                  << QStringList{"t:2: talent 5 needs slot 2" + never.arg(2)};
        QTest::newRow("itself") << QStringList{"5 1 5"} << QList<int>{5}
                                << QStringList{"t:2: talent 5 is its own prerequisite: it can "
                                               "never be opened"};
        QTest::newRow("dependant not placed")
            << QStringList{"5 1 1"} << QList<int>{} << QStringList();
    }
    void prerequisitesNamePlacedTalents()
    {
        QFETCH(QStringList, headers);
        QFETCH(QList<int>, placedSlots);
        QFETCH(QStringList, expected);
        const TreeFile file = tree(headers);
        PlacedSlots placed{};
        for (const TalentBlock *block : blocksBySlot(file))
            if (block && placedSlots.contains(block->header.slot))
                placed[static_cast<size_t>(block->header.slot - 1)] = true;
        QCOMPARE(texts(unplacedPrerequisites(file, placed, "t")), expected);
    }

    void textsALineMissingWouldMake()
    {
        const TreeFile file = parseTreeFile({"Tree", "#1 2", "", "rank 1", "#2 1", "n", "r"}, "t");
        QCOMPARE(texts(suspectTexts(file, "t")),
                 QStringList({"t:3: warning: the name of talent 1 is empty: is a line missing "
                              "above it?",
                              "t:5: warning: the text of rank 2 of talent 1 starts with '#', so "
                              "the header it looks like is read as text: is a line missing above "
                              "it?"}));
    }
};

QTEST_MAIN(TestTreeRules)
#include "test_tree_rules.moc"
