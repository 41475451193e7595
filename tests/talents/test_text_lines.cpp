#include "talents/text_lines.h"

#include <QTest>

// How data files are turned into text and lines, and how numbers in them are read.
class TestTextLines : public QObject {
    Q_OBJECT

private slots:
    void splitListLines_data();
    void splitListLines();
    void splitTreeLines_data();
    void splitTreeLines();
    void decodeDataText_data();
    void decodeDataText();
    void trimControl_data();
    void trimControl();
    void parseDecimal_data();
    void parseDecimal();
    void notAnIntegerMessageQuotesTheValue();
};

void TestTextLines::splitListLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty text has no line") << QString() << QStringList();
    QTest::newRow("lone LF is one empty line") << "\n" << QStringList{""};
    QTest::newRow("lone CR is one empty line") << "\r" << QStringList{""};
    QTest::newRow("lone CR LF is one empty line") << "\r\n" << QStringList{""};
    QTest::newRow("final LF adds no line") << "a\n" << QStringList{"a"};
    QTest::newRow("final CR LF adds no line") << "a\r\n" << QStringList{"a"};
    QTest::newRow("final CR adds no line") << "a\r" << QStringList{"a"};
    QTest::newRow("last line without ending counts") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("LF") << "a\nb\nc\n" << QStringList{"a", "b", "c"};
    QTest::newRow("CR") << "a\rb\rc" << QStringList{"a", "b", "c"};
    QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("two CRs make an empty line") << "a\r\rb" << QStringList{"a", "", "b"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("CR CR LF is two breaks") << "a\r\r\n" << QStringList{"a", ""};
    QTest::newRow("empty lines count") << "\n\na\n\n" << QStringList{"", "", "a", ""};
    QTest::newRow("mixed endings") << "a\rb\nc\r\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("nothing trimmed") << " a\t\n\tb \r\n  " << QStringList{" a\t", "\tb ", "  "};
}

void TestTextLines::splitListLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(::splitListLines(text), lines);
}

void TestTextLines::splitTreeLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty text has no line") << QString() << QStringList();
    QTest::newRow("lone LF is one empty line") << "\n" << QStringList{""};
    QTest::newRow("lone CR LF is one empty line") << "\r\n" << QStringList{""};
    QTest::newRow("final LF adds no line") << "a\n" << QStringList{"a"};
    QTest::newRow("final CR LF adds no line") << "a\r\n" << QStringList{"a"};
    QTest::newRow("last line without ending counts") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("CR LF") << "#1 5\r\nName\r\n" << QStringList{"#1 5", "Name"};
    QTest::newRow("empty lines count") << "a\n\n\nb" << QStringList{"a", "", "", "b"};
    QTest::newRow("lone CR does not break") << "a\rb\nc" << QStringList{"ab", "c"};
    QTest::newRow("two lone CRs dropped") << "a\r\rb" << QStringList{"ab"};
    QTest::newRow("CR CR LF is one break") << "a\r\r\nb" << QStringList{"a", "b"};
    QTest::newRow("trailing lone CR dropped") << "a\r" << QStringList{"a"};
    QTest::newRow("LF CR starts next line with a dropped CR") << "a\n\rb" << QStringList{"a", "b"};
    QTest::newRow("nothing trimmed") << "  a \t\n\tb " << QStringList{"  a \t", "\tb "};
}

void TestTextLines::splitTreeLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(::splitTreeLines(text), lines);
}

void TestTextLines::decodeDataText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString privet = QStringLiteral("Привет");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ASCII") << QByteArray("Fire Lance\r\n") << QStringLiteral("Fire Lance\r\n");
    QTest::newRow("NUL is valid UTF-8") << QByteArray("a\0b", 3) << QStringLiteral(u"a\0b");
    QTest::newRow("UTF-8 Cyrillic") << privet.toUtf8() << privet;
    QTest::newRow("UTF-8 outside the BMP")
        << QByteArray::fromHex("f09f9c82") << QString::fromUcs4(U"\U0001F702");
    QTest::newRow("UTF-8 BOM is not text")
        << QByteArray::fromHex("efbbbf") + privet.toUtf8() << privet;
    QTest::newRow("UTF-8 BOM alone") << QByteArray::fromHex("efbbbf") << QString();
    QTest::newRow("BOM inside the text stays")
        << QByteArray("a") + QByteArray::fromHex("efbbbf") << QStringLiteral(u"a\uFEFF");
    QTest::newRow("Windows-1251") << QByteArray::fromHex("cff0e8e2e5f2") << privet;
    QTest::newRow("Windows-1251 with ASCII")
        << QByteArray::fromHex("3120cff0e8e2e5f20d0a") << QStringLiteral("1 Привет\r\n");
    // One bad byte anywhere makes the whole text Windows-1251, its valid UTF-8 part too.
    QTest::newRow("valid UTF-8 then a bad byte")
        << QByteArray::fromHex("d096ff") << QStringLiteral("Р–я");
    QTest::newRow("lone continuation byte") << QByteArray::fromHex("80") << QStringLiteral("Ђ");
    QTest::newRow("overlong encoding") << QByteArray::fromHex("c0af") << QStringLiteral("АЇ");
    QTest::newRow("encoded surrogate")
        << QByteArray::fromHex("eda080") << QStringLiteral(u"н\u00A0Ђ");
    // A Windows-1251 text whose last byte is a UTF-8 lead byte is not valid UTF-8 either: the
    // letter must not be lost ("Hello Р" with no line break after it).
    QTest::newRow("Windows-1251 ending in a lead byte")
        << QByteArray::fromHex("48656c6c6f20d0") << QStringLiteral("Hello Р");
    QTest::newRow("cut three-byte sequence at the end")
        << QByteArray::fromHex("78e282") << QStringLiteral("xв‚");
}

void TestTextLines::decodeDataText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(::decodeDataText(bytes), text);
}

void TestTextLines::trimControl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("only controls") << QStringLiteral(u" \t\r\n\0\x1f") << QString();
    QTest::newRow("spaces") << "  #1 5  "
                            << "#1 5";
    QTest::newRow("tab CR LF") << "\t#endtalants\r\n"
                               << "#endtalants";
    QTest::newRow("NUL") << QStringLiteral(u"\0a\0") << "a";
    QTest::newRow("code 1 and 31") << QStringLiteral(u"\x01"
                                                     "a\x1f")
                                   << "a";
    QTest::newRow("inner kept") << " a \t b "
                                << "a \t b";
    QTest::newRow("33 kept") << "!a!"
                             << "!a!";
    QTest::newRow("DEL kept") << QStringLiteral(u"\x7f"
                                                "a\x7f")
                              << QStringLiteral(u"\x7f"
                                                "a\x7f");
    QTest::newRow("no-break space kept")
        << QStringLiteral(u"\u00A0a\u00A0") << QStringLiteral(u"\u00A0a\u00A0");
    QTest::newRow("ideographic space kept")
        << QStringLiteral(u"\u3000a") << QStringLiteral(u"\u3000a");
}

void TestTextLines::trimControl()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(::trimControl(text), trimmed);
}

void TestTextLines::parseDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("digits") << "44" << true << 44;
    QTest::newRow("plus") << "+5" << true << 5;
    QTest::newRow("minus") << "-5" << true << -5;
    QTest::newRow("minus zero") << "-0" << true << 0;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("many leading zeros") << "0000000000042" << true << 42;
    QTest::newRow("int max") << "2147483647" << true << 2147483647;
    QTest::newRow("int max with plus") << "+2147483647" << true << 2147483647;
    QTest::newRow("int min") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("int max + 1") << "2147483648" << false << 0;
    QTest::newRow("int min - 1") << "-2147483649" << false << 0;
    QTest::newRow("eleven digits") << "99999999999" << false << 0;
    QTest::newRow("twelve digits") << "999999999999" << false << 0;
    QTest::newRow("twenty digits") << "99999999999999999999" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("null") << QString() << false << 0;
    QTest::newRow("plus alone") << "+" << false << 0;
    QTest::newRow("minus alone") << "-" << false << 0;
    QTest::newRow("two signs") << "--5" << false << 0;
    QTest::newRow("sign after") << "5-" << false << 0;
    QTest::newRow("leading space") << " 5" << false << 0;
    QTest::newRow("trailing space") << "5 " << false << 0;
    QTest::newRow("trailing tab") << "5\t" << false << 0;
    QTest::newRow("inner space") << "1 2" << false << 0;
    QTest::newRow("hex") << "0x10" << false << 0;
    QTest::newRow("exponent") << "1e3" << false << 0;
    QTest::newRow("fraction") << "1.0" << false << 0;
    QTest::newRow("letters") << "five" << false << 0;
    QTest::newRow("fullwidth digit") << QStringLiteral(u"\uFF14") << false << 0;
    QTest::newRow("Arabic-Indic digit") << QStringLiteral(u"\u0663") << false << 0;
}

void TestTextLines::parseDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);

    const std::optional<int> parsed = ::parseDecimal(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestTextLines::notAnIntegerMessageQuotesTheValue()
{
    QCOMPARE(notAnIntegerMessage(QStringLiteral("8 x")),
             QStringLiteral("'8 x' is not a valid integer value"));
    QCOMPARE(notAnIntegerMessage(QString()), QStringLiteral("'' is not a valid integer value"));
}

QTEST_APPLESS_MAIN(TestTextLines)
#include "test_text_lines.moc"
