#include "board/fonts.h"

#include <QFile>
#include <QFontInfo>
#include <QTest>

// The planner's one typeface, registered from files outside the system font paths.
class TestFonts : public QObject {
    Q_OBJECT

private slots:
    void registeredTahomaIsUsed_data();
    void registeredTahomaIsUsed();
};

void TestFonts::registeredTahomaIsUsed_data()
{
    QTest::addColumn<int>("pixelHeight");
    QTest::addColumn<bool>("bold");

    QTest::newRow("small") << 11 << false;
    QTest::newRow("large bold") << 13 << true;
}

void TestFonts::registeredTahomaIsUsed()
{
    QFETCH(int, pixelHeight);
    QFETCH(bool, bold);
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        QSKIP("the Tahoma files are not installed here");
    registerTahoma();
    registerTahoma(); // a second call is harmless

    const QFontInfo used(tahoma(pixelHeight, bold));
    QCOMPARE(used.family(), QStringLiteral("Tahoma"));
    QCOMPARE(used.pixelSize(), pixelHeight);
    QCOMPARE(used.bold(), bold);
}

QTEST_MAIN(TestFonts)
#include "test_fonts.moc"
