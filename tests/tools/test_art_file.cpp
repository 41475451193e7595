#include "art_file.h"
#include "base/error.h"

#include <QTest>

// Reading art.txt: the lines that describe a tree's pictures, and the messages for bad ones.
class TestArtFile : public QObject {
    Q_OBJECT

private slots:
    void readsGoodFiles_data();
    void readsGoodFiles();
    void rejectsBadFiles_data();
    void rejectsBadFiles();
    void parseHexColour_data();
    void parseHexColour();
};

namespace {

const QString header = QStringLiteral("palette #101820 #8090A0\nemblem moon #C0C0FF\n");

} // namespace

void TestArtFile::readsGoodFiles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("talentSlots");
    QTest::addColumn<QString>("firstGlyph");
    QTest::addColumn<QString>("firstColour");
    QTest::addColumn<int>("firstLine");

    QTest::newRow("one talent") << header + "1 flame #FF8800\n"
                                << QList<int>{1} << "flame"
                                << "#ff8800" << 3;
    QTest::newRow("slots in any order") << header + "44 rune #000001\n7 drop #0000FF\n"
                                        << QList<int>{7, 44} << "drop"
                                        << "#0000ff" << 4;
    QTest::newRow("comments and blank lines skipped")
        << "# the ember tree\n\npalette #101820 #8090A0\n  # indented comment\n"
           "emblem sun #FFD000\n\n\n12 eye #abcdef\n"
        << QList<int>{12} << "eye"
        << "#abcdef" << 8;
    QTest::newRow("tabs, several blanks, CR LF")
        << "palette\t#101820  #8090A0\r\nemblem sun #FFD000\r\n 5\tbolt   #FFFF00 \r\n"
        << QList<int>{5} << "bolt"
        << "#ffff00" << 3;
    QTest::newRow("emblem and palette after the talents")
        << "3 star #FFFFFF\nemblem moon #C0C0FF\npalette #000000 #FFFFFF\n"
        << QList<int>{3} << "star"
        << "#ffffff" << 1;
    QTest::newRow("no talents yet") << header << QList<int>{} << QString() << QString() << 0;
}

void TestArtFile::readsGoodFiles()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, talentSlots);
    QFETCH(QString, firstGlyph);
    QFETCH(QString, firstColour);
    QFETCH(int, firstLine);

    const TreeArt art = parseArtFile(text, QStringLiteral("art.txt"));
    QCOMPARE(art.talents.keys(), talentSlots);
    QVERIFY(art.dark.isValid());
    QVERIFY(art.light.isValid());
    if (talentSlots.isEmpty())
        return;
    const GlyphArt &first = art.talents.value(talentSlots.first());
    QCOMPARE(glyphName(first.glyph), firstGlyph);
    QCOMPARE(first.colour.name(), firstColour);
    QCOMPARE(first.line, firstLine);
}

void TestArtFile::rejectsBadFiles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString file = QStringLiteral("world/Dd/2/art.txt");
    QTest::newRow("unknown glyph") << header + "1 flame #FF8800\n2 dragon #FF0000\n"
                                   << file + ", line 4: unknown glyph 'dragon'";
    QTest::newRow("glyph words are lower case") << header + "1 Flame #FF8800\n"
                                                << file + ", line 3: unknown glyph 'Flame'";
    QTest::newRow("unknown emblem glyph") << "palette #101820 #8090A0\nemblem comet #FFFFFF\n"
                                          << file + ", line 2: unknown glyph 'comet'";
    QTest::newRow("colour without hash")
        << header + "1 flame FF8800\n"
        << file + ", line 3: 'FF8800' is not a colour; write it as #RRGGBB";
    QTest::newRow("colour name") << header + "1 flame red\n"
                                 << file + ", line 3: 'red' is not a colour; write it as #RRGGBB";
    QTest::newRow("short colour") << header + "1 flame #F80\n"
                                  << file + ", line 3: '#F80' is not a colour; write it as #RRGGBB";
    QTest::newRow("not hexadecimal")
        << header + "1 flame #FF88GG\n"
        << file + ", line 3: '#FF88GG' is not a colour; write it as #RRGGBB";
    QTest::newRow("bad palette colour")
        << "palette #101820 #8090A\n"
        << file + ", line 1: '#8090A' is not a colour; write it as #RRGGBB";
    QTest::newRow("slot 0") << header + "0 flame #FF8800\n"
                            << file + ", line 3: slot 0 is outside 1 to 44";
    QTest::newRow("slot 45") << header + "45 flame #FF8800\n"
                             << file + ", line 3: slot 45 is outside 1 to 44";
    QTest::newRow("unknown keyword")
        << header + "icon flame #FF8800\n"
        << file + ", line 3: 'icon' is neither a slot number nor 'palette' or 'emblem'";
    QTest::newRow("colour missing") << header + "1 flame\n"
                                    << file + ", line 3: expected '<slot> <glyph> #colour'";
    QTest::newRow("extra word") << header + "1 flame #FF8800 big\n"
                                << file + ", line 3: expected '<slot> <glyph> #colour'";
    QTest::newRow("palette with one colour") << "palette #101820\n"
                                             << file + ", line 1: expected 'palette #dark #light'";
    QTest::newRow("slot twice") << header + "9 flame #FF8800\n\n9 drop #0000FF\n"
                                << file + ", line 5: slot 9 is given twice (first on line 3)";
    QTest::newRow("palette twice")
        << header + "palette #000000 #FFFFFF\n"
        << file + ", line 3: the palette is given twice (first on line 1)";
    QTest::newRow("emblem twice") << header + "emblem sun #FFFFFF\n"
                                  << file + ", line 3: the emblem is given twice (first on line 2)";
    QTest::newRow("no palette") << "emblem moon #C0C0FF\n1 flame #FF8800\n"
                                << file + ": no 'palette #dark #light' line";
    QTest::newRow("no emblem") << "palette #101820 #8090A0\n"
                               << file + ": no 'emblem <glyph> #colour' line";
    QTest::newRow("empty file") << QString() << file + ": no 'palette #dark #light' line";
}

void TestArtFile::rejectsBadFiles()
{
    QFETCH(QString, text);
    QFETCH(QString, message);

    try {
        parseArtFile(text, QStringLiteral("world/Dd/2/art.txt"));
        QFAIL("the file was accepted");
    } catch (const Error &e) {
        QCOMPARE(e.message(), message);
    }
}

void TestArtFile::parseHexColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour"); // empty: rejected

    QTest::newRow("upper case") << "#A0B1C2"
                                << "#a0b1c2";
    QTest::newRow("lower case") << "#a0b1c2"
                                << "#a0b1c2";
    QTest::newRow("black") << "#000000"
                           << "#000000";
    QTest::newRow("alpha digits refused") << "#FFA0B1C2" << QString();
    QTest::newRow("Qt colour name refused") << "white" << QString();
    QTest::newRow("blank inside refused") << "# A0B1C" << QString();
    QTest::newRow("empty refused") << QString() << QString();
}

void TestArtFile::parseHexColour()
{
    QFETCH(QString, text);
    QFETCH(QString, colour);

    const auto parsed = ::parseHexColour(text);
    QCOMPARE(parsed.has_value(), !colour.isEmpty());
    if (parsed)
        QCOMPARE(parsed->name(), colour);
}

QTEST_GUILESS_MAIN(TestArtFile)
#include "test_art_file.moc"
