// The tooltip's texts and where the panel stands beside an icon.
#include "board/tooltip_text.h"
#include "talents/slot_cell.h"

#include <QTest>

namespace {
const TooltipWords Words{QStringLiteral("Needs"), QStringLiteral("points in"),
                         QStringLiteral("first"), QStringLiteral("Next rank"),
                         QStringLiteral("Rank")};

// A table with names in every tree, and decoys in trees 1 and 3 at the slots tree 2 uses, so that
// a lookup in the wrong tree shows.
TalentTable tableWithDecoys()
{
    TalentTable table;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        table.treeName(tree) = QStringLiteral("Tree %1").arg(tree);
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            Talent &t = table.at(slot, tree);
            t.slot = slot;
            t.row = slotPosition(slot).row;
            t.column = slotPosition(slot).column;
            t.maxRank = 1;
            t.name = QStringLiteral("decoy %1-%2").arg(tree).arg(slot);
        }
    }
    return table;
}
} // namespace

class TestTooltipText : public QObject {
    Q_OBJECT

private slots:
    void convertBreaks_data();
    void convertBreaks();
    void requirements_data();
    void requirements();
    void rankLineAndDescription_data();
    void rankLineAndDescription();
    void position_data();
    void position();
};

void TestTooltipText::convertBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two words joined by the double mark") << "first<br /><br />second"
                                                         << "first\rsecond";
    QTest::newRow("single mark stays") << "first<br />second"
                                       << "first<br />second";
    QTest::newRow("no mark") << "plain words, no marks"
                             << "plain words, no marks";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("ends in the double mark") << "the end<br /><br />"
                                             << "the end\r";
    QTest::newRow("starts with the double mark") << "<br /><br />start"
                                                 << "\rstart";
    QTest::newRow("four marks are two double marks") << "<br /><br /><br /><br />"
                                                     << "\r\r";
    QTest::newRow("three marks: one double, one single") << "<br /><br /><br />"
                                                         << "\r<br />";
    QTest::newRow("five marks inside text") << "a<br /><br /><br /><br /><br />b"
                                            << "a\r\r<br />b";
    QTest::newRow("several paragraphs") << "a<br /><br />b<br /><br />c"
                                        << "a\rb\rc";
    QTest::newRow("marks apart by a blank") << "a<br /> <br />b"
                                            << "a<br /> <br />b";
    QTest::newRow("capital mark is not the mark") << "a<BR /><BR />b"
                                                  << "a<BR /><BR />b";
    QTest::newRow("existing line ends stay") << "a\r\nb<br /><br />c"
                                             << "a\r\nb\rc";
}

void TestTooltipText::convertBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString original = text;
    QCOMPARE(convertLineBreaks(text), expected);
    QCOMPARE(text, original); // the argument is left alone
}

void TestTooltipText::requirements_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("tree");
    QTest::addColumn<int>("prereq");
    QTest::addColumn<int>("prereqMaxRank");
    QTest::addColumn<QString>("expected");

    QTest::newRow("row 1 without prerequisite") << 3 << 1 << 0 << 0 << "";
    QTest::newRow("slot 4, last of row 1") << 4 << 1 << 0 << 0 << "";
    QTest::newRow("slot 5, first of row 2") << 5 << 1 << 0 << 0 << "Needs 5 points in Tree 1 first";
    QTest::newRow("row 3 without prerequisite")
        << 9 << 1 << 0 << 0 << "Needs 10 points in Tree 1 first";
    QTest::newRow("row 4 behind a prerequisite")
        << 14 << 1 << 6 << 3 << "Needs 3 points in prereq 6 first\rNeeds 15 points in Tree 1 first";
    QTest::newRow("row 11, tree 3") << 44 << 3 << 0 << 0 << "Needs 50 points in Tree 3 first";
    QTest::newRow("row 1 behind a prerequisite keeps its line end")
        << 2 << 2 << 1 << 5 << "Needs 5 points in prereq 1 first\r";
    QTest::newRow("prerequisite and tree of tree 2")
        << 10 << 2 << 5 << 1 << "Needs 1 points in prereq 5 first\rNeeds 10 points in Tree 2 first";
    QTest::newRow("prerequisite below the talent")
        << 3 << 2 << 7 << 2 << "Needs 2 points in prereq 7 first\r";
}

void TestTooltipText::requirements()
{
    QFETCH(int, slot);
    QFETCH(int, tree);
    QFETCH(int, prereq);
    QFETCH(int, prereqMaxRank);
    QFETCH(QString, expected);
    TalentTable table = tableWithDecoys();
    table.at(slot, tree).prereq = prereq;
    if (prereq != 0) {
        table.at(prereq, tree).maxRank = prereqMaxRank;
        table.at(prereq, tree).name = QStringLiteral("prereq %1").arg(prereq);
    }
    QCOMPARE(tooltipTexts(table, slot, tree, Words).requirements, expected);
}

void TestTooltipText::rankLineAndDescription_data()
{
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("maxRank");
    QTest::addColumn<QString>("rankLine");
    QTest::addColumn<QString>("description");

    QTest::newRow("rank 0 of 5: the first rank") << 0 << 5 << "Rank:0/5"
                                                 << "one\rfirst";
    QTest::newRow("rank 1 of 5: this and the next") << 1 << 5 << "Rank:1/5"
                                                    << "one\rfirst\r \rNext rank:\rtwo";
    QTest::newRow("rank 2 of 5: this and the next") << 2 << 5 << "Rank:2/5"
                                                    << "two\r \rNext rank:\rthree<br />single";
    QTest::newRow("rank 4 of 5: the last is next") << 4 << 5 << "Rank:4/5"
                                                   << "four\r \rNext rank:\rfive\r";
    QTest::newRow("rank 5 of 5: the last alone") << 5 << 5 << "Rank:5/5"
                                                 << "five\r";
    QTest::newRow("rank 0 of 1") << 0 << 1 << "Rank:0/1"
                                 << "one\rfirst";
    QTest::newRow("rank 1 of 1") << 1 << 1 << "Rank:1/1"
                                 << "one\rfirst";
    QTest::newRow("rank 2 of 3") << 2 << 3 << "Rank:2/3"
                                 << "two\r \rNext rank:\rthree<br />single";
}

void TestTooltipText::rankLineAndDescription()
{
    QFETCH(int, rank);
    QFETCH(int, maxRank);
    QFETCH(QString, rankLine);
    QFETCH(QString, description);
    TalentTable table = tableWithDecoys();
    Talent &t = table.at(7, 2);
    t.name = QStringLiteral("Ember Ward");
    t.rank = rank;
    t.maxRank = maxRank;
    const QString texts[] = {QString(),
                             QStringLiteral("one<br /><br />first"),
                             QStringLiteral("two"),
                             QStringLiteral("three<br />single"),
                             QStringLiteral("four"),
                             QStringLiteral("five<br /><br />")};
    for (int k = 1; k <= maxRank; ++k)
        t.rankText[static_cast<size_t>(k)] = texts[k];
    // Texts past the talent's ranks (left from an earlier class) must never show.
    for (int k = maxRank + 1; k <= MaxRankLimit; ++k)
        t.rankText[static_cast<size_t>(k)] = QStringLiteral("stale");

    const TooltipTexts out = tooltipTexts(table, 7, 2, Words);
    QCOMPARE(out.name, QStringLiteral("Ember Ward"));
    QCOMPARE(out.rankLine, rankLine);
    QCOMPARE(out.description, description);
}

void TestTooltipText::position_data()
{
    QTest::addColumn<QRect>("icon");
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("tree");
    QTest::addColumn<QPoint>("expected");

    const QSize panel(356, 120);
    QTest::newRow("tree 1, row 1: right, tops level")
        << QRect(25, 2, 45, 43) << panel << 1 << 1 << QPoint(75, 2);
    QTest::newRow("tree 2, slot 32: still level")
        << QRect(535, 450, 45, 43) << panel << 32 << 2 << QPoint(585, 450);
    QTest::newRow("tree 1, slot 33: above the icon")
        << QRect(25, 514, 45, 43) << panel << 33 << 1 << QPoint(75, 394);
    QTest::newRow("tree 2, slot 44: above the icon")
        << QRect(535, 642, 45, 43) << panel << 44 << 2 << QPoint(585, 522);
    QTest::newRow("tree 3, row 1: left of the icon")
        << QRect(625, 2, 45, 43) << panel << 1 << 3 << QPoint(264, 2);
    QTest::newRow("tree 3, slot 42: left and above")
        << QRect(695, 642, 45, 43) << panel << 42 << 3 << QPoint(334, 522);
    QTest::newRow("an icon of another size")
        << QRect(100, 200, 30, 20) << QSize(200, 50) << 40 << 1 << QPoint(135, 150);
    QTest::newRow("tree 3 with a narrow panel")
        << QRect(695, 66, 45, 43) << QSize(100, 420) << 6 << 3 << QPoint(590, 66);
}

void TestTooltipText::position()
{
    QFETCH(QRect, icon);
    QFETCH(QSize, panel);
    QFETCH(int, slot);
    QFETCH(int, tree);
    QFETCH(QPoint, expected);
    QCOMPARE(tooltipPosition(icon, panel, slot, tree), expected);
}

QTEST_MAIN(TestTooltipText)
#include "test_tooltip_text.moc"
