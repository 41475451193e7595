#include "datafolder/jpeg_scans.h"

#include <QTest>

// Counting the scans of a JPEG as the decoder would find them, whatever the bytes around them.
class TestJpegScans : public QObject {
    Q_OBJECT

private slots:
    void countsScans_data();
    void countsScans();
    void seesAPictureDecodedInOneScan_data();
    void seesAPictureDecodedInOneScan();
};

namespace {
QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray withLength(const char *marker, const QByteArray &contents)
{
    const auto length = static_cast<int>(contents.size()) + 2;
    return bytes(marker) + char(length >> 8) + char(length & 0xFF) + contents;
}

// A frame header of a 16 x 16 picture at precision 8, with its first `components` of three
// components (id, sampling, table).
QByteArray frameHeader(const char *marker, int components)
{
    QByteArray contents = bytes("0800100010") + char(components);
    for (const char *component : {"011100", "021101", "031101"}) {
        if (contents.size() < 6 + 3 * components)
            contents += bytes(component);
    }
    return withLength(marker, contents);
}

// A scan header over the first `components` components, with all coefficients.
QByteArray scanHeader(int components)
{
    QByteArray contents(1, char(components));
    for (int c = 1; c <= components; ++c)
        contents += char(c) + bytes(c == 1 ? "00" : "11");
    return withLength("ffda", contents + bytes("003f00"));
}
} // namespace

void TestJpegScans::countsScans_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<int>("scans");

    // SOS headers here are "ffda 0008 01 01 00 00 3f 00": one component, all coefficients.
    const QByteArray sos = bytes("ffda00080101003f0000");
    const QByteArray soi = bytes("ffd8");
    const QByteArray eoi = bytes("ffd9");
    QTest::newRow("nothing") << QByteArray() << 0;
    QTest::newRow("no scan") << soi + bytes("ffdb0004abcd") + eoi << 0;
    QTest::newRow("one scan and its data") << soi + sos + bytes("12345678") + eoi << 1;
    QTest::newRow("three scans") << soi + sos + "a" + sos + "b" + sos + "c" + eoi << 3;
    QTest::newRow("scan marker inside a comment")
        << soi + bytes("fffe0006ffdaffda") + sos + "x" + eoi << 1;
    QTest::newRow("scan marker inside a table") << soi + bytes("ffc40005ffda00") + eoi << 0;
    QTest::newRow("stuffed bytes and restarts in the data")
        << soi + sos + bytes("ff00ffd0ff00ffd7ff00") + sos + eoi << 2;
    QTest::newRow("fill bytes before a marker") << soi + bytes("ffffffff") + sos + eoi << 1;
    QTest::newRow("nothing after the end of the image") << soi + sos + eoi + sos + sos << 1;
    QTest::newRow("stray bytes between segments") << soi + "junk" + sos + "more" + sos << 2;
    QTest::newRow("cut inside a length") << soi + bytes("ffda00") << 1;
    QTest::newRow("cut right after a marker") << soi + bytes("ffda") << 1;
    QTest::newRow("length past the end") << soi + bytes("fffeffff") + sos << 0;
    QTest::newRow("lengths of zero and one still move on")
        << soi + bytes("ffe00000ffe10001") + sos + eoi << 1;
    QTest::newRow("prefix at the very end") << soi + bytes("ffff") << 0;
}

void TestJpegScans::countsScans()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(int, scans);
    QCOMPARE(countJpegScans(jpeg), scans);
}

void TestJpegScans::seesAPictureDecodedInOneScan_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<bool>("oneScan");

    const QByteArray soi = bytes("ffd8");
    const QByteArray app = bytes("ffe000041234");
    const QByteArray tables = bytes("ffc4000400ab");
    const QByteArray baseline3 = frameHeader("ffc0", 3);
    const QByteArray extended3 = frameHeader("ffc1", 3);
    const QByteArray progressive3 = frameHeader("ffc2", 3);
    const QByteArray baseline1 = frameHeader("ffc0", 1);
    const QByteArray arithmetic1 = frameHeader("ffc9", 1);
    const QByteArray allThree = scanHeader(3);
    const QByteArray firstOnly = scanHeader(1);

    QTest::newRow("baseline, every component in the first scan")
        << soi + app + tables + baseline3 + allThree + "data" << true;
    QTest::newRow("extended sequential") << soi + extended3 + allThree << true;
    QTest::newRow("one component") << soi + baseline1 + firstOnly << true;
    QTest::newRow("fill bytes before a marker")
        << soi + bytes("ffff") + baseline1 + firstOnly << true;
    QTest::newRow("first scan with one of three components")
        << soi + baseline3 + firstOnly << false;
    QTest::newRow("progressive") << soi + progressive3 + allThree << false;
    QTest::newRow("arithmetic coding") << soi + arithmetic1 + firstOnly << false;
    QTest::newRow("two frame headers") << soi + baseline1 + baseline1 + firstOnly << false;
    QTest::newRow("no frame header") << soi + tables + firstOnly << false;
    QTest::newRow("no start of image") << baseline1 + firstOnly << false;
    QTest::newRow("stray bytes between segments") << soi + "x" + baseline1 + firstOnly << false;
    QTest::newRow("frame header cut short") << soi + bytes("ffc0000b0800100010") << false;
    QTest::newRow("frame header of no components")
        << soi + frameHeader("ffc0", 0) + firstOnly << false;
    QTest::newRow("length shorter than itself")
        << soi + bytes("ffe00001") + baseline1 + firstOnly << false;
    QTest::newRow("end of image before a scan") << soi + baseline1 + bytes("ffd9") << false;
    QTest::newRow("nothing") << QByteArray() << false;
}

void TestJpegScans::seesAPictureDecodedInOneScan()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(bool, oneScan);
    QCOMPARE(jpegDecodesInOneScan(jpeg), oneScan);
}

QTEST_APPLESS_MAIN(TestJpegScans)
#include "test_jpeg_scans.moc"
