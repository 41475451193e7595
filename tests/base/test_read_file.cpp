#include "base/error.h"
#include "base/read_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
// The limit the data folder's text files are read with.
constexpr qint64 TextLimit = 64 * 1024 * 1024;
} // namespace

// Reading a data file whole: the content comes back exactly, and the size limit holds.
class TestReadFile : public QObject {
    Q_OBJECT

private slots:
    void readsTheWholeFile_data();
    void readsTheWholeFile();
    void refusesWhatItCannotRead_data();
    void refusesWhatItCannotRead();
    void refusesWhatIsNotAFile_data();
    void refusesWhatIsNotAFile();
    void smallFileSetsNoLargeBufferAside();
    void fileThatStatesNoSizeIsReadWhole();
    void fileThatMayBeLeftOut_data();
    void fileThatMayBeLeftOut();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QTemporaryDir dir_;
};

namespace {

// Bytes that differ from one position to the next, so a lost or repeated piece shows.
QByteArray patternBytes(qsizetype count)
{
    QByteArray bytes(count, '\0');
    for (qsizetype i = 0; i < count; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

QString readError(const QString &path, qint64 maxBytes)
{
    try {
        readFileBytes(path, maxBytes);
    } catch (const Error &e) {
        return e.message();
    }
    return {};
}

} // namespace

QString TestReadFile::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(dir_.path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture file");
    return path;
}

void TestReadFile::readsTheWholeFile_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<qint64>("maxBytes");

    QTest::newRow("empty") << qsizetype(0) << TextLimit;
    QTest::newRow("one byte") << qsizetype(1) << TextLimit;
    QTest::newRow("just under 64 KiB") << qsizetype(65535) << TextLimit;
    QTest::newRow("64 KiB") << qsizetype(65536) << TextLimit;
    QTest::newRow("just over 64 KiB") << qsizetype(65537) << TextLimit;
    QTest::newRow("several hundred KiB") << qsizetype(300001) << TextLimit;
    QTest::newRow("exactly the limit") << qsizetype(70000) << qint64(70000);
}

void TestReadFile::readsTheWholeFile()
{
    QFETCH(qsizetype, size);
    QFETCH(qint64, maxBytes);
    const QByteArray content = patternBytes(size);
    const QString path = writeFile(QStringLiteral("whole.txt"), content);

    QCOMPARE(readFileBytes(path, maxBytes), content);
}

void TestReadFile::refusesWhatItCannotRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qsizetype>("size"); // -1: no file of that name
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<QString>("problem");

    QTest::newRow("one byte over the limit")
        << "big.txt" << qsizetype(70001) << qint64(70000) << "larger than 70000 bytes";
    QTest::newRow("far over the limit")
        << "bigger.txt" << qsizetype(200000) << qint64(10) << "larger than 10 bytes";
    QTest::newRow("missing") << "missing.txt" << qsizetype(-1) << TextLimit << "Cannot open file";
}

void TestReadFile::refusesWhatItCannotRead()
{
    QFETCH(QString, name);
    QFETCH(qsizetype, size);
    QFETCH(qint64, maxBytes);
    QFETCH(QString, problem);
    const QString path =
        size < 0 ? QDir(dir_.path()).filePath(name) : writeFile(name, patternBytes(size));

    const QString message = readError(path, maxBytes);
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY2(message.contains(problem), qPrintable(message));
}

void TestReadFile::refusesWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("folder") << "folder.jpg";
    QTest::newRow("pipe") << "pipe.jpg";
    QTest::newRow("link to a folder") << "link.jpg";
    QTest::newRow("link to a device") << "device.jpg";
}

void TestReadFile::refusesWhatIsNotAFile()
{
    // Refused as soon as it is seen: a pipe with no writer must not keep the read waiting.
    QFETCH(QString, name);
    const QDir dir(dir_.path());
    const QString path = dir.filePath(name);
    if (name == QLatin1String("pipe.jpg"))
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else if (name == QLatin1String("link.jpg"))
        QVERIFY(dir.mkpath(QStringLiteral("target")) &&
                QFile::link(dir.filePath(QStringLiteral("target")), path));
    else if (name == QLatin1String("device.jpg"))
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
    else
        QVERIFY(dir.mkpath(name));

    const QString message = readError(path, TextLimit);
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("it is not a file")), qPrintable(message));
}

void TestReadFile::smallFileSetsNoLargeBufferAside()
{
    // Reading up to the limit in one go once kept twice the limit (128 MiB) reserved behind
    // every small file read.
    const QString path = writeFile(QStringLiteral("small.txt"), patternBytes(300));
    const QByteArray bytes = readFileBytes(path, TextLimit);
    QCOMPARE(bytes.size(), 300);
    QVERIFY2(bytes.capacity() < 64 * 1024, qPrintable(QString::number(bytes.capacity())));
}

void TestReadFile::fileThatStatesNoSizeIsReadWhole()
{
    // The system's own files give their size as 0 and still hold text: the read goes on to the
    // end instead of trusting the stated size.
    const QString path = QStringLiteral("/proc/self/mountinfo");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("no /proc here");
    QCOMPARE(QFileInfo(path).size(), 0);
    const QByteArray expected = file.readAll();
    QVERIFY(expected.size() > 0);

    QCOMPARE(readFileBytes(path, TextLimit), expected);
    const QString message = readError(path, expected.size() - 1);
    QVERIFY2(message.contains(QStringLiteral("larger than")), qPrintable(message));
}

void TestReadFile::fileThatMayBeLeftOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("outcome"); // "bytes", "nothing" or a part of the error

    QTest::newRow("a file") << "here.jpg"
                            << "bytes";
    QTest::newRow("nothing of that name") << "absent.jpg"
                                          << "nothing";
    QTest::newRow("a link that leads nowhere") << "dangling.jpg"
                                               << "nothing";
    QTest::newRow("a folder") << "folder2.jpg"
                              << "nothing";
    QTest::newRow("a pipe") << "pipe2.jpg"
                            << "nothing";
}

void TestReadFile::fileThatMayBeLeftOut()
{
    QFETCH(QString, name);
    QFETCH(QString, outcome);
    const QDir dir(dir_.path());
    const QString path = dir.filePath(name);
    const QByteArray content = patternBytes(1000);
    if (name == u"here.jpg")
        writeFile(name, content);
    else if (name == u"dangling.jpg")
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), path));
    else if (name == u"folder2.jpg")
        QVERIFY(dir.mkpath(name));
    else if (name == u"pipe2.jpg")
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);

    try {
        const std::optional<QByteArray> bytes = readFileBytesIfPresent(path, TextLimit);
        QCOMPARE(bytes.has_value(), outcome == u"bytes");
        if (bytes)
            QCOMPARE(*bytes, content);
        else
            QCOMPARE(outcome, QStringLiteral("nothing"));
    } catch (const Error &e) {
        QVERIFY2(e.message().contains(path) && e.message().contains(outcome),
                 qPrintable(e.message()));
    }
}

QTEST_APPLESS_MAIN(TestReadFile)
#include "test_read_file.moc"
