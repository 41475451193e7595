#include "app_icon_painter.h"
#include "arrow_painter.h"
#include "art_file.h"
#include "background_painter.h"
#include "icon_painter.h"
#include "jpeg_probe.h"
#include "jpeg_writer.h"
#include "output_file.h"

#include <QTest>
#include <functional>

// The painters: sizes and formats of every kind of picture, repeatable bytes, and the properties
// the planner relies on (the arrows' transparent key, a dark name strip).
class TestPaintPictures : public QObject {
    Q_OBJECT

private slots:
    void jpegPictures_data();
    void jpegPictures();
    void samePicturesGiveSameBytes_data();
    void samePicturesGiveSameBytes();
    void slotVariesTheIcon();
    void arrowBitmaps_data();
    void arrowBitmaps();
    void arrowRunsBetweenTheIcons_data();
    void arrowRunsBetweenTheIcons();
    void backgroundStaysDark_data();
    void backgroundStaysDark();
    void appIcons_data();
    void appIcons();
};

namespace {

TreeArt sampleTree(const QString &dark = QStringLiteral("#2E1726"),
                   const QString &light = QStringLiteral("#D98A3D"))
{
    return parseArtFile(QStringLiteral("palette %1 %2\nemblem sun #F2A541\n1 flame #E8742C\n"
                                       "2 flame #E8742C\n3 eye #40C0FF\n")
                            .arg(dark, light),
                        QStringLiteral("art.txt"));
}

using PictureMaker = std::function<QImage()>;

// Little-endian 16- and 32-bit fields of a BMP header.
int bmpField(const QByteArray &bmp, int offset, int bytes)
{
    int value = 0;
    for (int k = bytes - 1; k >= 0; --k)
        value = value * 256 + static_cast<unsigned char>(bmp.at(offset + k));
    return value;
}

struct ArrowPixels {
    int count = 0;
    double red = 0;
    double green = 0;
    double blue = 0;
};

ArrowPixels arrowPixels(const QImage &image)
{
    ArrowPixels pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            if ((rgb & 0xFFFFFF) == (ArrowTransparentKey & 0xFFFFFF))
                continue;
            ++pixels.count;
            pixels.red += qRed(rgb);
            pixels.green += qGreen(rgb);
            pixels.blue += qBlue(rgb);
        }
    }
    if (pixels.count > 0) {
        pixels.red /= pixels.count;
        pixels.green /= pixels.count;
        pixels.blue /= pixels.count;
    }
    return pixels;
}

bool isKey(const QImage &image, QPoint p)
{
    return (image.pixel(p) & 0xFFFFFF) == (ArrowTransparentKey & 0xFFFFFF);
}

} // namespace

Q_DECLARE_METATYPE(PictureMaker)

void TestPaintPictures::jpegPictures_data()
{
    QTest::addColumn<PictureMaker>("make");
    QTest::addColumn<QSize>("size");

    QTest::newRow("background") << PictureMaker([] { return paintBackground(sampleTree()); })
                                << QSize(300, 717);
    QTest::newRow("emblem") << PictureMaker([] { return paintEmblem(sampleTree()); })
                            << QSize(27, 27);
    QTest::newRow("talent icon") << PictureMaker([] {
        const TreeArt tree = sampleTree();
        return paintTalentIcon(tree.talents.value(3), tree, 3);
    }) << QSize(45, 43);
}

void TestPaintPictures::jpegPictures()
{
    QFETCH(PictureMaker, make);
    QFETCH(QSize, size);

    const QImage picture = make();
    QCOMPARE(picture.size(), size);
    const QByteArray jpeg = compressJpeg(picture);
    const auto probe = probeJpeg(jpeg);
    QVERIFY(probe.has_value());
    QCOMPARE(QSize(probe->width, probe->height), size);
    QVERIFY(probe->fullChroma);
    // The file shows what was painted (quality 92 keeps every channel close).
    const QImage decoded = decodeJpegForTest(jpeg);
    const QPoint middle(size.width() / 2, size.height() / 2);
    const QRgb painted = picture.pixel(middle);
    const QRgb shown = decoded.pixel(middle);
    QVERIFY(qAbs(qRed(painted) - qRed(shown)) < 24);
    QVERIFY(qAbs(qGreen(painted) - qGreen(shown)) < 24);
    QVERIFY(qAbs(qBlue(painted) - qBlue(shown)) < 24);
}

void TestPaintPictures::samePicturesGiveSameBytes_data()
{
    using Encoder = std::function<QByteArray()>;
    QTest::addColumn<Encoder>("encode");

    QTest::newRow("talent icon JPEG") << Encoder([] {
        const TreeArt tree = sampleTree();
        return compressJpeg(paintTalentIcon(tree.talents.value(1), tree, 1));
    });
    QTest::newRow("background JPEG")
        << Encoder([] { return compressJpeg(paintBackground(sampleTree())); });
    QTest::newRow("emblem JPEG") << Encoder([] { return compressJpeg(paintEmblem(sampleTree())); });
    QTest::newRow("arrow BMP") << Encoder(
        [] { return encodeImage(paintArrow(ArrowPiece::B1, ArrowVariant::Open), "BMP"); });
    QTest::newRow("program icon PNG")
        << Encoder([] { return encodeImage(paintAppIcon(48), "PNG"); });
}

void TestPaintPictures::samePicturesGiveSameBytes()
{
    using Encoder = std::function<QByteArray()>;
    QFETCH(Encoder, encode);
    const QByteArray first = encode();
    QVERIFY(!first.isEmpty());
    QCOMPARE(encode(), first);
}

void TestPaintPictures::slotVariesTheIcon()
{
    // Slots 1 and 2 of the sample share glyph and colour: only the slot pattern tells them apart.
    const TreeArt tree = sampleTree();
    const QImage one = paintTalentIcon(tree.talents.value(1), tree, 1);
    const QImage two = paintTalentIcon(tree.talents.value(2), tree, 2);
    QVERIFY(one != two);
    QCOMPARE(paintTalentIcon(tree.talents.value(1), tree, 1), one);
}

Q_DECLARE_METATYPE(ArrowPiece)
Q_DECLARE_METATYPE(ArrowVariant)

void TestPaintPictures::arrowBitmaps_data()
{
    QTest::addColumn<ArrowPiece>("piece");
    QTest::addColumn<ArrowVariant>("variant");
    QTest::addColumn<QSize>("size");

    const QList<QSize> sizes = {{20, 21}, {20, 85}, {20, 149}, {25, 20},
                                {70, 20}, {40, 53}, {50, 53}};
    QCOMPARE(allArrowPieces().size(), sizes.size());
    for (qsizetype p = 0; p < sizes.size(); ++p) {
        for (ArrowVariant variant : allArrowVariants()) {
            const ArrowPiece piece = allArrowPieces().at(p);
            QTest::newRow(qPrintable(arrowFileName(piece, variant)))
                << piece << variant << sizes.at(p);
        }
    }
}

void TestPaintPictures::arrowBitmaps()
{
    QFETCH(ArrowPiece, piece);
    QFETCH(ArrowVariant, variant);
    QFETCH(QSize, size);

    const QByteArray bmp = encodeImage(paintArrow(piece, variant), "BMP");
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(bmpField(bmp, 28, 2), 24); // bits per pixel
    QImage image;
    QVERIFY(image.loadFromData(bmp, "BMP"));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.pixel(0, image.height() - 1) & 0xFFFFFF, ArrowTransparentKey & 0xFFFFFF);

    const ArrowPixels arrow = arrowPixels(image);
    QVERIFY2(arrow.count > 60, "the arrow is missing");
    switch (variant) {
    case ArrowVariant::Locked: // dull grey-white
        QVERIFY(qAbs(arrow.red - arrow.green) < 20 && qAbs(arrow.green - arrow.blue) < 25);
        QVERIFY(arrow.green > 100);
        break;
    case ArrowVariant::Open: // green
        QVERIFY(arrow.green > arrow.red + 60 && arrow.green > arrow.blue + 60);
        break;
    case ArrowVariant::Taken: // gold
        QVERIFY(arrow.red > arrow.blue + 70 && arrow.green > arrow.blue + 50);
        break;
    }
}

void TestPaintPictures::arrowRunsBetweenTheIcons_data()
{
    QTest::addColumn<ArrowPiece>("piece");
    QTest::addColumn<QList<QPoint>>("drawn");
    QTest::addColumn<QList<QPoint>>("clear");

    // Drawn: where the arrow leaves the prerequisite and where it reaches the dependant.
    QTest::newRow("d1") << ArrowPiece::D1 << QList<QPoint>{{10, 0}, {10, 19}}
                        << QList<QPoint>{{0, 0}, {19, 0}, {0, 20}};
    QTest::newRow("d2") << ArrowPiece::D2 << QList<QPoint>{{10, 0}, {10, 42}, {10, 83}}
                        << QList<QPoint>{{0, 42}, {19, 42}};
    QTest::newRow("d3") << ArrowPiece::D3 << QList<QPoint>{{10, 0}, {10, 74}, {10, 147}}
                        << QList<QPoint>{{0, 74}, {19, 74}};
    QTest::newRow("r1") << ArrowPiece::R1 << QList<QPoint>{{0, 10}, {23, 10}}
                        << QList<QPoint>{{0, 0}, {24, 0}, {24, 19}};
    // l1 starts at the dependant's left edge: the part under its icon stays empty.
    QTest::newRow("l1") << ArrowPiece::L1 << QList<QPoint>{{69, 10}, {47, 10}}
                        << QList<QPoint>{{0, 10}, {30, 10}, {43, 10}, {69, 0}};
    QTest::newRow("b1") << ArrowPiece::B1 << QList<QPoint>{{4, 31}, {26, 49}}
                        << QList<QPoint>{{0, 0}, {39, 0}, {20, 10}, {39, 30}};
    QTest::newRow("a1") << ArrowPiece::A1 << QList<QPoint>{{46, 31}, {24, 49}}
                        << QList<QPoint>{{0, 0}, {49, 0}, {30, 10}, {5, 30}};
}

void TestPaintPictures::arrowRunsBetweenTheIcons()
{
    QFETCH(ArrowPiece, piece);
    QFETCH(QList<QPoint>, drawn);
    QFETCH(QList<QPoint>, clear);

    const QImage image = paintArrow(piece, ArrowVariant::Taken);
    for (const QPoint &p : drawn)
        QVERIFY2(!isKey(image, p),
                 qPrintable(QStringLiteral("(%1, %2) is empty").arg(p.x()).arg(p.y())));
    for (const QPoint &p : clear)
        QVERIFY2(isKey(image, p),
                 qPrintable(QStringLiteral("(%1, %2) is drawn").arg(p.x()).arg(p.y())));
}

void TestPaintPictures::backgroundStaysDark_data()
{
    QTest::addColumn<QString>("dark");
    QTest::addColumn<QString>("light");

    QTest::newRow("dusky") << "#2E1726"
                           << "#D98A3D";
    QTest::newRow("white palette") << "#FFFFFF"
                                   << "#FFFFFF";
    QTest::newRow("yellow and white") << "#FFEE00"
                                      << "#FFFFFF";
    QTest::newRow("black") << "#000000"
                           << "#000000";
}

void TestPaintPictures::backgroundStaysDark()
{
    QFETCH(QString, dark);
    QFETCH(QString, light);

    const QImage picture = paintBackground(sampleTree(dark, light));
    int brightest = 0;
    for (int y = 0; y < NameStripTop; ++y)
        for (int x = 0; x < picture.width(); ++x)
            brightest = qMax(brightest, qGray(picture.pixel(x, y)));
    // Icons, white and green rank numbers must stand out everywhere on the grid.
    QVERIFY2(brightest < 150, qPrintable(QString::number(brightest)));

    int strip = 0;
    for (int y = NameStripTop; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            strip = qMax(strip, qGray(picture.pixel(x, y)));
    // The gold tree name at (35, 697) needs a quiet, dark strip.
    QVERIFY2(strip < 40, qPrintable(QString::number(strip)));
}

void TestPaintPictures::appIcons_data()
{
    QTest::addColumn<int>("size");
    for (int size : appIconSizes())
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestPaintPictures::appIcons()
{
    QFETCH(int, size);

    QImage icon;
    QVERIFY(icon.loadFromData(encodeImage(paintAppIcon(size), "PNG"), "PNG"));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
}

QTEST_MAIN(TestPaintPictures)
#include "test_paint_pictures.moc"
