#include "talents/tree_file.h"

#include <QRegularExpression>
#include <QTest>

// Reading a tree file: its name line, the talent blocks, the end marker and the errors.
class TestTreeFile : public QObject {
    Q_OBJECT

private slots:
    void treeName_data();
    void treeName();
    void blocks_data();
    void blocks();
    void header_data();
    void header();
    void badHeader_data();
    void badHeader();
    void blockTextsAreTakenWhole();
    void missingLinesReadAsEmptyTexts();
};

namespace {

const QString fileName = QStringLiteral("Ember.txt");

// The blocks as "slot:maxRank:prereq@headerLine ...", so a failure shows the whole file at once.
QString describe(const TreeFile &file)
{
    QStringList parts;
    for (const TalentBlock &b : file.blocks) {
        parts << QStringLiteral("%1:%2:%3@%4")
                     .arg(b.header.slot)
                     .arg(b.header.maxRank)
                     .arg(b.header.prereq)
                     .arg(b.line);
    }
    return parts.join(u' ');
}

} // namespace

void TestTreeFile::treeName_data()
{
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("name");

    const QString fifty = QString(50, u'x');
    QTest::newRow("plain") << "Ember Path"
                           << "Ember Path";
    QTest::newRow("not trimmed") << "  Ember Path\t"
                                 << "  Ember Path\t";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("looks like a header") << "#1 5"
                                         << "#1 5";
    QTest::newRow("exactly 50") << fifty << fifty;
    QTest::newRow("51 cut to 50") << fifty + u'y' << fifty;
    QTest::newRow("80 cut to 50") << QString(80, u'z') << QString(50, u'z');
    QTest::newRow("Cyrillic cut to 50") << QString(60, u'Ж') << QString(50, u'Ж');
}

void TestTreeFile::treeName()
{
    QFETCH(QString, firstLine);
    QFETCH(QString, name);

    const TreeFile file = parseTreeFile({firstLine, "#1 1", "Spark", "rank 1"}, fileName);
    QCOMPARE(file.name, name);
    QCOMPARE(describe(file), QStringLiteral("1:1:0@2"));
    QVERIFY(!file.error);
}

void TestTreeFile::blocks_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<bool>("failed");

    QTest::newRow("no lines at all") << QStringList{} << "" << false;
    QTest::newRow("only the name line") << QStringList{"Ember"} << "" << false;
    QTest::newRow("one block") << QStringList{"T", "#1 1", "A", "r"} << "1:1:0@2" << false;
    QTest::newRow("block of 2 + maxRank lines")
        << QStringList{"T", "#1 3", "A", "r1", "r2", "r3", "#12 1 8", "B", "r1"}
        << "1:3:0@2 12:1:8@7" << false;
    QTest::newRow("other lines skipped")
        << QStringList{"T", "", "notes", "   ", "\t", "#1 1", "A", "r", "", "; x", "#2 1", "B", "r"}
        << "1:1:0@6 2:1:0@11" << false;
    QTest::newRow("header line trimmed")
        << QStringList{"T", "  #1 2\t\r", "A", "r1", "r2", "\t#5 3   ", "B", "r1", "r2", "r3"}
        << "1:2:0@2 5:3:0@6" << false;
    QTest::newRow("end marker ends the list")
        << QStringList{"T", "#1 1", "A", "r", "#endtalants", "#2 1", "B", "r"} << "1:1:0@2"
        << false;
    QTest::newRow("end marker trimmed")
        << QStringList{"T", "#1 1", "A", "r", " \t#endtalants \r", "#2 1", "B", "r"} << "1:1:0@2"
        << false;
    QTest::newRow("anything after the end marker ignored")
        << QStringList{"T", "#endtalants", "#99 9", "#x"} << "" << false;
    QTest::newRow("end marker is case-sensitive")
        << QStringList{"T", "#1 1", "A", "r", "#EndTalants", "#2 1", "B", "r"} << "1:1:0@2" << true;
    QTest::newRow("end marker with more text is a header")
        << QStringList{"T", "#1 1", "A", "r", "#endtalants here"} << "1:1:0@2" << true;
    QTest::newRow("name line starting with # is a name")
        << QStringList{"T", "#1 1", "#2 1", "r", "#3 1", "C", "r"} << "1:1:0@2 3:1:0@5" << false;
    QTest::newRow("rank lines starting with # are texts")
        << QStringList{"T", "#1 2", "A", "#9 1", "#endtalants", "#3 1", "C", "r"}
        << "1:2:0@2 3:1:0@6" << false;
    QTest::newRow("end of file inside a block")
        << QStringList{"T", "#1 1", "A", "r", "#2 5", "B"} << "1:1:0@2 2:5:0@5" << false;
    QTest::newRow("header on the last line") << QStringList{"T", "#4 2"} << "4:2:0@2" << false;
    QTest::newRow("slot named twice kept in order")
        << QStringList{"T", "#4 1", "A", "r", "#4 2 1", "B", "r1", "r2"} << "4:1:0@2 4:2:1@5"
        << false;
    QTest::newRow("error stops the reading")
        << QStringList{"T", "#1 1", "A", "r", "#45 1", "X", "r", "#2 1", "B", "r"} << "1:1:0@2"
        << true;
    QTest::newRow("error in the first block") << QStringList{"T", "#0 1", "X", "r"} << "" << true;
}

void TestTreeFile::blocks()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, blocks);
    QFETCH(bool, failed);

    const TreeFile file = parseTreeFile(lines, fileName);
    QCOMPARE(describe(file), blocks);
    QCOMPARE(file.error.has_value(), failed);
    if (failed)
        QVERIFY2(file.error->contains(fileName), qPrintable(*file.error));
}

void TestTreeFile::header_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("maxRank");
    QTest::addColumn<int>("prereq");

    QTest::newRow("slot and ranks") << "#1 5" << 1 << 5 << 0;
    QTest::newRow("with prerequisite") << "#12 1 8" << 12 << 1 << 8;
    QTest::newRow("trailing spaces") << "#5 3   " << 5 << 3 << 0;
    QTest::newRow("leading controls") << "\t #5 3" << 5 << 3 << 0;
    QTest::newRow("several spaces after slot") << "#1   5" << 1 << 5 << 0;
    QTest::newRow("several spaces everywhere") << "#12   1    8" << 12 << 1 << 8;
    QTest::newRow("tab inside a word is trimmed") << "#12\t 1 \t8" << 12 << 1 << 8;
    QTest::newRow("prerequisite 0") << "#7 2 0" << 7 << 2 << 0;
    QTest::newRow("largest values") << "#44 5 44" << 44 << 5 << 44;
    QTest::newRow("leading zeros") << "#07 02 03" << 7 << 2 << 3;
    QTest::newRow("plus sign") << "#+9 1 -0" << 9 << 1 << 0;
}

void TestTreeFile::header()
{
    QFETCH(QString, line);
    QFETCH(int, slot);
    QFETCH(int, maxRank);
    QFETCH(int, prereq);

    QStringList lines{"T", line, "Name"};
    for (int k = 1; k <= maxRank; ++k)
        lines << QStringLiteral("rank %1").arg(k);
    lines << "#endtalants";

    const TreeFile file = parseTreeFile(lines, fileName);
    QVERIFY2(!file.error, qPrintable(file.error.value_or(QString())));
    QCOMPARE(file.blocks.size(), 1);
    const TalentHeader &h = file.blocks.first().header;
    QCOMPARE(h.slot, slot);
    QCOMPARE(h.maxRank, maxRank);
    QCOMPARE(h.prereq, prereq);
}

void TestTreeFile::badHeader_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("badValue");
    QTest::addColumn<bool>("notANumber");

    QTest::newRow("two-digit ranks alone") << "#5 10"
                                           << "#5 10" << false;
    QTest::newRow("slot alone") << "#5"
                                << "#5" << false;
    QTest::newRow("only the mark") << "#"
                                   << "#" << false;
    QTest::newRow("tab does not separate") << "#1\t5"
                                           << "#1\t5" << false;
    QTest::newRow("tab before prerequisite") << "#1 5\t2"
                                             << "#1 5\t2" << false;
    QTest::newRow("negative ranks alone") << "#1 -1"
                                          << "#1 -1" << false;
    QTest::newRow("end marker in other case") << "#EndTalants"
                                              << "#EndTalants" << false;
    QTest::newRow("fourth word") << "#12 1 8 x"
                                 << "8 x" << true;
    QTest::newRow("word as slot") << "#x 5"
                                  << "x" << true;
    QTest::newRow("space after mark") << "# 1 5"
                                      << "" << true;
    QTest::newRow("word as ranks") << "#1 x"
                                   << "x" << true;
    QTest::newRow("word as prerequisite") << "#1 5 x"
                                          << "x" << true;
    QTest::newRow("hex prerequisite") << "#1 5 0x10"
                                      << "0x10" << true;
    QTest::newRow("slot beyond int") << "#2147483648 1"
                                     << "2147483648" << true;
    QTest::newRow("slot 0") << "#0 1"
                            << "0" << false;
    QTest::newRow("slot 45") << "#45 1"
                             << "45" << false;
    QTest::newRow("slot -3") << "#-3 1"
                             << "-3" << false;
    QTest::newRow("ranks 0") << "#1 0"
                             << "0" << false;
    QTest::newRow("ranks 6") << "#1 6"
                             << "6" << false;
    QTest::newRow("ranks 0 with prerequisite") << "#9 0 1"
                                               << "0" << false;
    QTest::newRow("ranks 12 with prerequisite") << "#9 12 1"
                                                << "12" << false;
    QTest::newRow("prerequisite 45") << "#9 1 45"
                                     << "45" << false;
    QTest::newRow("prerequisite -1") << "#9 1 -1"
                                     << "-1" << false;
}

void TestTreeFile::badHeader()
{
    QFETCH(QString, line);
    QFETCH(QString, badValue);
    QFETCH(bool, notANumber);

    // The bad header is line 7; the block before it must survive the error.
    const QStringList lines{"T",  "#1 1", "First", "rank", "",  "-",
                            line, "Bad",  "r",     "#2 1", "B", "r"};
    const TreeFile file = parseTreeFile(lines, fileName);
    QVERIFY2(file.error, "the bad header was accepted");
    const QString message = *file.error;
    QCOMPARE(describe(file), QStringLiteral("1:1:0@2"));
    QVERIFY2(message.contains(fileName), qPrintable(message));
    QVERIFY2(message.contains(QRegularExpression(QStringLiteral("\\b7\\b"))), qPrintable(message));
    if (notANumber) {
        QVERIFY2(
            message.contains(QStringLiteral("'%1' is not a valid integer value").arg(badValue)),
            qPrintable(message));
    } else {
        // The value must stand on its own, not as part of a longer number.
        const QString pattern =
            QStringLiteral("(^|[^0-9])%1($|[^0-9])").arg(QRegularExpression::escape(badValue));
        QVERIFY2(message.contains(QRegularExpression(pattern)), qPrintable(message));
    }
}

void TestTreeFile::blockTextsAreTakenWhole()
{
    const QStringList lines{"Tree",        "  #3 2 ", "  Spaced Name\t", "\tRank one ",
                            "#endtalants", "#4 1",    "#Hash Name",      "r"};
    const TreeFile file = parseTreeFile(lines, fileName);
    QVERIFY(!file.error);
    QCOMPARE(describe(file), QStringLiteral("3:2:0@2 4:1:0@6"));
    const TalentBlock &first = file.blocks.at(0);
    QCOMPARE(first.name, QStringLiteral("  Spaced Name\t"));
    QCOMPARE(first.rankText[1], QStringLiteral("\tRank one "));
    QCOMPARE(first.rankText[2], QStringLiteral("#endtalants"));
    QVERIFY(first.rankText[3].isEmpty());
    QCOMPARE(file.blocks.at(1).name, QStringLiteral("#Hash Name"));
}

void TestTreeFile::missingLinesReadAsEmptyTexts()
{
    const TreeFile file = parseTreeFile({"Tree", "#1 4", "Name", "rank 1"}, fileName);
    QVERIFY(!file.error);
    QCOMPARE(file.blocks.size(), 1);
    const TalentBlock &b = file.blocks.first();
    QCOMPARE(b.name, QStringLiteral("Name"));
    QCOMPARE(b.rankText[1], QStringLiteral("rank 1"));
    for (int k = 2; k <= 4; ++k)
        QVERIFY2(b.rankText[k].isEmpty(), qPrintable(b.rankText[k]));
}

QTEST_APPLESS_MAIN(TestTreeFile)
#include "test_tree_file.moc"
