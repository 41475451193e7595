#include "board/grey.h"

#include <QTest>

// The grey the icons of closed talents are drawn in.
class TestGrey : public QObject {
    Q_OBJECT

private slots:
    void greyOfAColour_data();
    void greyOfAColour();
    void everyGreyStaysItself();
    void greyPictureGreysEveryPixel_data();
    void greyPictureGreysEveryPixel();
    void greyPictureAgreesWithGreyOfOnEveryColour();
    void greyedLeavesTheSourceInColour();
    void greyingAFreshCopyAgainGivesTheSameGrey();
};

namespace {

QImage colourfulPicture(QImage::Format format)
{
    QImage picture(6, 5, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 51, y * 60, (x * y * 37) % 256, 255 - x * 20));
    }
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 106, 32));
    if (format == QImage::Format_Indexed8) // fewer than 256 colours: the palette holds them all
        return picture.convertToFormat(QImage::Format_RGB32).convertToFormat(format);
    return picture.convertToFormat(format);
}

// A pixel as a colour value 0x00BBGGRR, red in the lowest byte.
quint32 valueOf(QRgb pixel)
{
    return static_cast<quint32>(qRed(pixel)) | static_cast<quint32>(qGreen(pixel)) << 8 |
           static_cast<quint32>(qBlue(pixel)) << 16;
}

} // namespace

void TestGrey::greyOfAColour_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<quint32>("grey");

    // Worked out by hand: 0.56 R + 0.33 G + 0.11 B, halves rounded to the even neighbour.
    QTest::newRow("white") << 0xFFFFFFu << 0xFFFFFFu;
    QTest::newRow("black") << 0x000000u << 0x000000u;
    QTest::newRow("red: 142.80") << 0x0000FFu << 143 * 0x010101u;
    QTest::newRow("green: 84.15") << 0x00FF00u << 84 * 0x010101u;
    QTest::newRow("blue: 28.05") << 0xFF0000u << 28 * 0x010101u;
    QTest::newRow("mid grey") << 0x808080u << 0x808080u;
    QTest::newRow("(1,0,0): 0.56") << 0x000001u << 0x010101u;
    QTest::newRow("(0,1,0): 0.33") << 0x000100u << 0x000000u;
    QTest::newRow("(0,0,4): 0.44") << 0x040000u << 0x000000u;
    QTest::newRow("(0,0,5): 0.55") << 0x050000u << 0x010101u;
    QTest::newRow("(25,0,0): 14.00") << 0x000019u << 14 * 0x010101u;
    QTest::newRow("(10,20,30): 15.50 to 16") << 0x1E140Au << 16 * 0x010101u;
    QTest::newRow("(0,0,50): 5.50 to 6") << 0x320000u << 6 * 0x010101u;
    QTest::newRow("(0,0,150): 16.50 to 16") << 0x960000u << 16 * 0x010101u;
    QTest::newRow("(100,200,50): 127.50 to 128") << 0x32C864u << 128 * 0x010101u;
    QTest::newRow("(200,100,50): 150.50 to 150") << 0x3264C8u << 150 * 0x010101u;
    QTest::newRow("(0,106,32): 38.50 to 38") << 0x206A00u << 38 * 0x010101u;
    QTest::newRow("(0,126,172): 60.50 to 60") << 0xAC7E00u << 60 * 0x010101u;
    QTest::newRow("(12,34,56): 24.100") << 0x38220Cu << 24 * 0x010101u;
    QTest::newRow("(250,5,3): 141.98") << 0x0305FAu << 142 * 0x010101u;
}

void TestGrey::greyOfAColour()
{
    QFETCH(quint32, colour);
    QFETCH(quint32, grey);
    QCOMPARE(greyOf(colour), grey);
}

void TestGrey::everyGreyStaysItself()
{
    for (quint32 level = 0; level < 256; ++level) {
        const quint32 grey = level * 0x010101u;
        QCOMPARE(greyOf(grey), grey);
    }
}

void TestGrey::greyPictureGreysEveryPixel_data()
{
    QTest::addColumn<QImage>("picture");

    QTest::newRow("RGB32") << colourfulPicture(QImage::Format_RGB32);
    QTest::newRow("ARGB32") << colourfulPicture(QImage::Format_ARGB32);
    QTest::newRow("RGB888") << colourfulPicture(QImage::Format_RGB888);
    QTest::newRow("palette") << colourfulPicture(QImage::Format_Indexed8);
}

void TestGrey::greyPictureGreysEveryPixel()
{
    QFETCH(QImage, picture);
    const QImage grey = greyed(picture);

    QCOMPARE(grey.size(), picture.size());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb before = picture.pixel(x, y);
            const QRgb after = grey.pixel(x, y);
            QCOMPARE(valueOf(after), greyOf(valueOf(before)));
            QCOMPARE(qAlpha(after), qAlpha(before));
        }
    }
    QCOMPARE(grey.pixel(0, 0) | 0xFF000000u, qRgb(143, 143, 143));
    QCOMPARE(grey.pixel(1, 0) | 0xFF000000u, qRgb(38, 38, 38));
}

void TestGrey::greyPictureAgreesWithGreyOfOnEveryColour()
{
    // A picture is greyed by another road than a single colour (a table of rounded sums); every
    // one of the 16,777,216 colours must come out the same both ways.
    QImage picture(4096, 4096, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = 0xFF000000u | (static_cast<quint32>(y) << 12) | static_cast<quint32>(x);
    }
    const QImage grey = greyed(picture);

    qint64 differing = 0;
    QRgb firstDiffering = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const auto *before = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        const auto *after = reinterpret_cast<const QRgb *>(grey.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (valueOf(after[x]) != greyOf(valueOf(before[x])) && differing++ == 0)
                firstDiffering = before[x];
        }
    }
    QVERIFY2(differing == 0,
             qPrintable(QStringLiteral("%1 colours differ, the first #%2")
                            .arg(differing)
                            .arg(firstDiffering & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
}

void TestGrey::greyedLeavesTheSourceInColour()
{
    const QImage source = colourfulPicture(QImage::Format_RGB32);
    const QImage colours = source.copy();

    const QImage grey = greyed(source);
    QCOMPARE(source, colours);
    QCOMPARE(valueOf(grey.pixel(0, 0)), 143 * 0x010101u);
    QCOMPARE(valueOf(source.pixel(0, 0)), 0x0000FFu);
}

void TestGrey::greyingAFreshCopyAgainGivesTheSameGrey()
{
    const QImage source = colourfulPicture(QImage::Format_RGB32);
    QImage icon = source;
    icon = greyed(icon);
    const QImage firstGrey = icon.copy();

    // Raised to colour and lowered again, as a talent that opens and closes.
    icon = source;
    icon = greyed(icon);
    QCOMPARE(icon, firstGrey);

    // Greying what is already grey changes nothing.
    QCOMPARE(greyed(icon), firstGrey);
}

QTEST_MAIN(TestGrey)
#include "test_grey.moc"
