#include "base/error.h"
#include "datafolder/jpeg_scans.h"
#include "datafolder/picture_file.h"
#include "jpeg_fixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <limits>

// Loading the icon and background pictures: JPEG through TurboJPEG, BMP through QImage, and an
// error naming the file for anything that cannot be shown.
class TestPictureFile : public QObject {
    Q_OBJECT

private slots:
    void jpegDecodesToItsSizeAndColours_data();
    void jpegDecodesToItsSizeAndColours();
    void jpegFileLoadsByItsExtension_data();
    void jpegFileLoadsByItsExtension();
    void truncatedJpegStillGivesAPicture_data();
    void truncatedJpegStillGivesAPicture();
    void unreadableFileNamesFileAndProblem_data();
    void unreadableFileNamesFileAndProblem();
    void largestAllowedSideIsAccepted_data();
    void largestAllowedSideIsAccepted();
    void bmpLoadsExactly_data();
    void bmpLoadsExactly();
    void topRowFirstBmpLoadsTheRightWayUp_data();
    void topRowFirstBmpLoadsTheRightWayUp();
    void jpegScansAreLimited_data();
    void jpegScansAreLimited();
    void repeatedScansOfABaselinePictureAreRefusedByTheDecoder_data();
    void repeatedScansOfABaselinePictureAreRefusedByTheDecoder();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QTemporaryDir dir_;
};

namespace {

const QVector<QRgb> Palette = {qRgb(200, 30, 40),   qRgb(20, 180, 60), qRgb(30, 60, 220),
                               qRgb(250, 250, 250), qRgb(10, 10, 10),  qRgb(128, 128, 128),
                               qRgb(240, 200, 20),  qRgb(90, 20, 120)};

// Solid 8 x 8 blocks: each block is one JPEG unit, so the colours come back without ringing.
QImage blockPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, Palette[(x / 8 + 3 * (y / 8)) % Palette.size()]);
    }
    return picture;
}

// The largest difference in any channel of any pixel; -1 when the sizes differ.
int largestDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// The message of the Error loading throws, or a null string when it throws none.
QString loadError(const QString &path)
{
    try {
        loadPictureFile(path);
    } catch (const Error &e) {
        return e.message();
    }
    return {};
}

QByteArray randomBytes(int count)
{
    QRandomGenerator random(20240611);
    QByteArray bytes(count, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random.bounded(256));
    return bytes;
}

QByteArray bmpBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

// A little-endian 32-bit field of a BMP header.
QByteArray withBmpField(QByteArray bmp, int offset, qint32 value)
{
    for (int i = 0; i < 4; ++i)
        bmp[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bmp;
}

// The same 24-bit BMP stored top row first: the rows reversed and the height negative.
QByteArray topRowFirst(const QByteArray &bmp, int height)
{
    constexpr int pixelOffsetField = 10;
    const qint32 pixelOffset = qFromLittleEndian<qint32>(bmp.constData() + pixelOffsetField);
    const qsizetype rowBytes = (bmp.size() - pixelOffset) / height;
    QByteArray flipped = bmp.left(pixelOffset);
    for (int row = height - 1; row >= 0; --row)
        flipped += bmp.mid(pixelOffset + row * rowBytes, rowBytes);
    return withBmpField(flipped, 22, -height);
}

// A progressive JPEG of `scans` scans: its last scan repeated. The decoder warns of the repeats
// but still gives the picture.
QByteArray withScans(const QByteArray &progressive, int scans)
{
    const qsizetype lastScan = progressive.lastIndexOf(QByteArrayLiteral("\xFF\xDA"));
    const qsizetype end = progressive.lastIndexOf(QByteArrayLiteral("\xFF\xD9"));
    const int written = static_cast<int>(progressive.count(QByteArrayLiteral("\xFF\xDA")));
    if (lastScan < 0 || end < lastScan || scans < written)
        return {};
    const QByteArray scan = progressive.mid(lastScan, end - lastScan);
    return progressive.left(end) + scan.repeated(scans - written) + progressive.mid(end);
}

// Tolerance of a quality 95 JPEG without chroma subsampling on solid blocks.
constexpr int JpegTolerance = 6;

} // namespace

QString TestPictureFile::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(dir_.path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture file");
    return path;
}

void TestPictureFile::jpegDecodesToItsSizeAndColours_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("one pixel") << 1 << 1;
    QTest::newRow("one block") << 8 << 8;
    QTest::newRow("icon size") << 45 << 43;
    QTest::newRow("wide") << 64 << 16;
    QTest::newRow("tall, odd sides") << 9 << 33;
}

void TestPictureFile::jpegDecodesToItsSizeAndColours()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const QImage original = blockPicture(width, height);
    const QByteArray jpeg = encodeJpeg(original);
    QVERIFY(!jpeg.isEmpty());

    const QImage decoded = decodeJpeg(jpeg, QStringLiteral("icon.jpg"));
    QCOMPARE(decoded.size(), QSize(width, height));
    QCOMPARE(decoded.format(), QImage::Format_RGB32);
    QVERIFY2(largestDifference(decoded, original) <= JpegTolerance,
             qPrintable(QString::number(largestDifference(decoded, original))));
}

void TestPictureFile::jpegFileLoadsByItsExtension_data()
{
    QTest::addColumn<QString>("fileName");

    QTest::newRow(".jpg") << "icon.jpg";
    QTest::newRow(".jpeg") << "icon.jpeg";
    QTest::newRow("capitals") << "ICON.JPG";
    QTest::newRow("space in the name") << "my icon.jpg";
}

void TestPictureFile::jpegFileLoadsByItsExtension()
{
    QFETCH(QString, fileName);
    const QImage original = blockPicture(24, 16);
    const QString path = writeFile(fileName, encodeJpeg(original));

    const QImage loaded = loadPictureFile(path);
    QCOMPARE(loaded.size(), original.size());
    QVERIFY(largestDifference(loaded, original) <= JpegTolerance);
}

void TestPictureFile::truncatedJpegStillGivesAPicture_data()
{
    // How much of the compressed pixel data is left.
    QTest::addColumn<int>("keptPercent");

    QTest::newRow("last bytes missing") << 95;
    QTest::newRow("half the pixel data") << 50;
    QTest::newRow("a tenth of the pixel data") << 10;
}

void TestPictureFile::truncatedJpegStillGivesAPicture()
{
    QFETCH(int, keptPercent);
    const QImage original = blockPicture(64, 64);
    const QByteArray jpeg = encodeJpeg(original);
    const qsizetype scanStart = jpeg.indexOf(QByteArrayLiteral("\xFF\xDA"));
    QVERIFY(scanStart > 0);
    const qsizetype kept = scanStart + (jpeg.size() - scanStart) * keptPercent / 100;

    const QImage decoded = decodeJpeg(jpeg.left(kept), QStringLiteral("cut.jpg"));
    QCOMPARE(decoded.size(), original.size());
    // The part before the cut is intact.
    const QRgb first = decoded.pixel(0, 0);
    QVERIFY(std::abs(qRed(first) - qRed(Palette[0])) <= JpegTolerance);
    QVERIFY(std::abs(qGreen(first) - qGreen(Palette[0])) <= JpegTolerance);
    QVERIFY(std::abs(qBlue(first) - qBlue(Palette[0])) <= JpegTolerance);
}

void TestPictureFile::unreadableFileNamesFileAndProblem_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");

    const QByteArray jpeg = encodeJpeg(blockPicture(16, 16));
    const QByteArray cmyk = encodeJpeg(blockPicture(16, 16), JpegColours::Cmyk);
    const QByteArray bmp = bmpBytes(blockPicture(16, 16));
    const QString tooLarge = QStringLiteral("larger than 4096 x 4096");

    QTest::newRow("missing jpg") << "missing.jpg" << false << QByteArray() << "No such file";
    QTest::newRow("missing bmp") << "missing.bmp" << false << QByteArray() << "No such file";
    QTest::newRow("empty jpg") << "empty.jpg" << true << QByteArray() << "the file is empty";
    QTest::newRow("random bytes") << "noise.jpg" << true << randomBytes(2000)
                                  << "not a readable JPEG";
    QTest::newRow("start of image only")
        << "soi.jpg" << true << QByteArray("\xFF\xD8", 2) << "not a readable JPEG";
    QTest::newRow("no picture, zero size")
        << "zero.jpg" << true << withDeclaredSize(jpeg, 0, 0) << "not a readable JPEG";
    QTest::newRow("BMP named .jpg") << "picture.jpg" << true << bmp << "not a readable JPEG";
    QTest::newRow("CMYK") << "cmyk.jpg" << true << cmyk << "Unsupported color conversion request";
    QTest::newRow("5000 x 5000") << "huge.jpg" << true << withDeclaredSize(jpeg, 5000, 5000)
                                 << tooLarge;
    QTest::newRow("60000 x 60000")
        << "huger.jpg" << true << withDeclaredSize(jpeg, 60000, 60000) << tooLarge;
    QTest::newRow("only the width too large")
        << "wide.jpg" << true << withDeclaredSize(jpeg, 4097, 16) << tooLarge;
    QTest::newRow("only the height too large")
        << "tall.jpg" << true << withDeclaredSize(jpeg, 16, 4097) << tooLarge;
    QTest::newRow("empty bmp") << "empty.bmp" << true << QByteArray() << "not a readable BMP";
    QTest::newRow("garbage after BM")
        << "corrupt.bmp" << true << QByteArray("BM") + randomBytes(200) << "not a readable BMP";
    QTest::newRow("BM only") << "magic.bmp" << true << QByteArray("BM") << "not a readable BMP";
    QTest::newRow("JPEG named .bmp") << "photo.bmp" << true << jpeg << "not a readable BMP";
    QTest::newRow("BMP 5000 wide")
        << "wide.bmp" << true << withBmpField(bmp, 18, 5000) << "larger than 4096 x 4096";
    QTest::newRow("BMP 5000 high")
        << "tall.bmp" << true << withBmpField(bmp, 22, 5000) << "larger than 4096 x 4096";
    // A negative height stores the top row first: the size is the height without its sign.
    QTest::newRow("BMP 5000 high, top row first")
        << "down.bmp" << true << withBmpField(bmp, 22, -5000) << "larger than 4096 x 4096";
    QTest::newRow("BMP 54530 high, top row first, as the fuzzer found it")
        << "fuzzed.bmp" << true << withBmpField(withBmpField(bmp, 18, 2), 22, -54530)
        << "larger than 4096 x 4096";
    QTest::newRow("BMP height of the smallest int")
        << "least.bmp" << true << withBmpField(bmp, 22, std::numeric_limits<qint32>::min())
        << "not a readable BMP";
}

void TestPictureFile::unreadableFileNamesFileAndProblem()
{
    QFETCH(QString, fileName);
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    const QString path =
        exists ? writeFile(fileName, content) : QDir(dir_.path()).filePath(fileName);

    const QString message = loadError(path);
    QVERIFY2(!message.isNull(), "no error");
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY2(message.contains(problem), qPrintable(message));
}

void TestPictureFile::largestAllowedSideIsAccepted_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("4096 wide") << 4096 << 16;
    QTest::newRow("4096 high") << 16 << 4096;
}

void TestPictureFile::largestAllowedSideIsAccepted()
{
    QFETCH(int, width);
    QFETCH(int, height);
    // The pixel data is that of a 16 x 16 picture: it decodes with a warning, which still gives a
    // picture of the declared size.
    const QByteArray jpeg = withDeclaredSize(encodeJpeg(blockPicture(16, 16)), width, height);
    QCOMPARE(decodeJpeg(jpeg, QStringLiteral("edge.jpg")).size(), QSize(width, height));
}

void TestPictureFile::bmpLoadsExactly_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QImage>("picture");

    QTest::newRow("24-bit") << "icon.bmp" << blockPicture(45, 43);
    QTest::newRow("capital extension") << "ICON.BMP" << blockPicture(8, 3);
    QTest::newRow("8-bit palette")
        << "indexed.bmp" << blockPicture(20, 10).convertToFormat(QImage::Format_Indexed8);
}

void TestPictureFile::bmpLoadsExactly()
{
    QFETCH(QString, fileName);
    QFETCH(QImage, picture);
    const QString path = writeFile(fileName, bmpBytes(picture));

    const QImage loaded = loadPictureFile(path);
    QCOMPARE(loaded.format(), QImage::Format_RGB32);
    QCOMPARE(loaded, picture.convertToFormat(QImage::Format_RGB32));
}

void TestPictureFile::topRowFirstBmpLoadsTheRightWayUp_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("icon size") << 45 << 43;
    QTest::newRow("largest height") << 2 << 4096;
}

void TestPictureFile::topRowFirstBmpLoadsTheRightWayUp()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const QImage picture = blockPicture(width, height);
    const QByteArray bmp = bmpBytes(picture);
    QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), 24); // bits per pixel

    const QImage loaded = decodeBmp(topRowFirst(bmp, height), QStringLiteral("down.bmp"));
    QCOMPARE(loaded.format(), QImage::Format_RGB32);
    QCOMPARE(loaded, picture);
}

void TestPictureFile::jpegScansAreLimited_data()
{
    QTest::addColumn<int>("scans");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("as written") << 10 << true;
    QTest::newRow("the most allowed") << MaxJpegScans << true;
    QTest::newRow("one too many") << MaxJpegScans + 1 << false;
    // Each scan passes over the whole picture: 500 (the decoder's own limit) took seconds.
    QTest::newRow("five hundred") << 500 << false;
}

void TestPictureFile::jpegScansAreLimited()
{
    QFETCH(int, scans);
    QFETCH(bool, accepted);
    const QImage original = blockPicture(24, 16);
    const QByteArray progressive = encodeProgressiveJpeg(original);
    QCOMPARE(progressive.count(QByteArrayLiteral("\xFF\xDA")), 10);
    QVERIFY(!jpegDecodesInOneScan(progressive));
    const QByteArray jpeg = withScans(progressive, scans);
    QCOMPARE(countJpegScans(jpeg), scans);

    if (accepted) {
        const QImage decoded = decodeJpeg(jpeg, QStringLiteral("scans.jpg"));
        QVERIFY(largestDifference(decoded, original) <= JpegTolerance);
    } else {
        const QString message = loadError(writeFile(QStringLiteral("scans.jpg"), jpeg));
        QVERIFY2(message.contains(QStringLiteral("more than %1 scans").arg(MaxJpegScans)),
                 qPrintable(message));
    }
}

void TestPictureFile::repeatedScansOfABaselinePictureAreRefusedByTheDecoder_data()
{
    QTest::addColumn<int>("scans");

    QTest::newRow("two") << 2;
    QTest::newRow("one too many to count") << MaxJpegScans + 1;
    QTest::newRow("five hundred") << 500;
}

void TestPictureFile::repeatedScansOfABaselinePictureAreRefusedByTheDecoder()
{
    // A baseline picture is whole after its first scan, so its scans are not counted: the decoder
    // itself takes a second scan for an error, before working through it.
    QFETCH(int, scans);
    const QByteArray baseline = encodeJpeg(blockPicture(24, 16));
    QVERIFY(jpegDecodesInOneScan(baseline));
    const QByteArray jpeg = withScans(baseline, scans);
    QCOMPARE(countJpegScans(jpeg), scans);
    QVERIFY(jpegDecodesInOneScan(jpeg));

    const QString message = loadError(writeFile(QStringLiteral("baseline-scans.jpg"), jpeg));
    QVERIFY2(message.contains(QStringLiteral("not a readable JPEG")), qPrintable(message));
}

QTEST_MAIN(TestPictureFile)
#include "test_picture_file.moc"
