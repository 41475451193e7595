#include "jpeg_scans.h"

#include <QTest>

// Counting the scans of a JPEG as the decoder would find them, whatever the bytes around them.
class TestJpegScans : public QObject {
    Q_OBJECT

private slots:
    void countsScans_data();
    void countsScans();
};

namespace {
QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
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

QTEST_APPLESS_MAIN(TestJpegScans)
#include "test_jpeg_scans.moc"
