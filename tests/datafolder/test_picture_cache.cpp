#include "base/error.h"
#include "datafolder/picture_cache.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Kept pictures: read once while their files stay as they were, read again (or reported) the
// first time a new round asks after a file changed, was removed or was damaged.
class TestPictureCache : public QObject {
    Q_OBJECT

private slots:
    void init();
    void newRoundAfterAChange_data();
    void newRoundAfterAChange();
    void withinARoundTheFileIsNotLookedAt();
    void aFileJustWrittenIsReadEveryRound();
    void aFailedFileIsNotKept();

private:
    QTemporaryDir dir_;
    QString path_;
    void writePicture(QSize size, QColor colour);
    void writeBytes(const QByteArray &bytes);
};

namespace {

QByteArray bmpBytes(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QString errorOf(PictureCache &cache, const QString &path)
{
    try {
        cache.picture(path);
    } catch (const Error &e) {
        return e.message();
    }
    return {};
}

} // namespace

void TestPictureCache::init()
{
    static int n = 0;
    path_ = QDir(dir_.path()).filePath(QStringLiteral("arrow%1.bmp").arg(++n));
    writePicture(QSize(20, 21), Qt::red);
}

void TestPictureCache::writePicture(QSize size, QColor colour)
{
    writeBytes(bmpBytes(size, colour));
}

void TestPictureCache::writeBytes(const QByteArray &bytes)
{
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture file");
}

void TestPictureCache::newRoundAfterAChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("reads");      // file reads after the second round's ask
    QTest::addColumn<QString>("result"); // the colour then, or a part of the error

    // The files here were written a moment ago: the cache is told to vouch for them at once, so
    // that only a change of the stamp makes it read again.
    QTest::newRow("nothing") << "nothing" << 1 << "#ff0000";
    QTest::newRow("rewritten in another size and colour") << "rewritten" << 2 << "#0000ff";
    QTest::newRow("removed") << "removed" << 1 << "No such file";
    QTest::newRow("damaged") << "damaged" << 1 << "not a readable BMP";
    QTest::newRow("replaced by a folder") << "folder" << 1 << "not a file";
}

void TestPictureCache::newRoundAfterAChange()
{
    QFETCH(QString, change);
    QFETCH(int, reads);
    QFETCH(QString, result);
    PictureCache cache(0);
    const qint64 firstKey = cache.picture(path_).cacheKey();
    QCOMPARE(cache.fileReads(), 1);

    if (change == u"rewritten") {
        writePicture(QSize(30, 21), Qt::blue);
    } else if (change == u"removed") {
        QVERIFY(QFile::remove(path_));
    } else if (change == u"damaged") {
        writeBytes(QByteArray("BM") + QByteArray(40, '\x7f'));
    } else if (change == u"folder") {
        QVERIFY(QFile::remove(path_));
        QVERIFY(QDir().mkpath(path_));
    }
    cache.newRound();

    if (result.startsWith(u'#')) {
        const QImage &picture = cache.picture(path_);
        QCOMPARE(picture.pixelColor(0, 0).name(), result);
        QCOMPARE(picture.cacheKey() == firstKey, change == u"nothing");
    } else {
        const QString error = errorOf(cache, path_);
        QVERIFY2(error.contains(path_) && error.contains(result), qPrintable(error));
    }
    QCOMPARE(cache.fileReads(), reads);
}

void TestPictureCache::withinARoundTheFileIsNotLookedAt()
{
    // A round is one load and the presses after it: the picture serves all of them.
    PictureCache cache(0);
    cache.picture(path_);
    QVERIFY(QFile::remove(path_));
    QCOMPARE(cache.picture(path_).pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(cache.fileReads(), 1);
}

void TestPictureCache::aFileJustWrittenIsReadEveryRound()
{
    // Rewritten within the same tick of the file system clock, a file of the same size can keep
    // its stamp: a file changed moments ago is not vouched for by its stamp, and is read again.
    PictureCache cache;
    cache.picture(path_);
    writePicture(QSize(20, 21), Qt::green);
    cache.newRound();
    QCOMPARE(cache.picture(path_).pixelColor(0, 0), QColor(Qt::green));
    QCOMPARE(cache.fileReads(), 2);
}

void TestPictureCache::aFailedFileIsNotKept()
{
    PictureCache cache(0);
    writeBytes("not a picture");
    QVERIFY(!errorOf(cache, path_).isEmpty());
    // Asked again in the same round, it fails again rather than giving an empty picture.
    QVERIFY(!errorOf(cache, path_).isEmpty());
    writePicture(QSize(20, 21), Qt::red);
    QCOMPARE(cache.picture(path_).pixelColor(0, 0), QColor(Qt::red));
}

QTEST_APPLESS_MAIN(TestPictureCache)
#include "test_picture_cache.moc"
