#include "base/file_stamp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// File stamps: what tells a kept copy of a file that the file changed.
class TestFileStamp : public QObject {
    Q_OBJECT

private slots:
    void stampSeesTheFileChange_data();
    void stampSeesTheFileChange();
    void noStampWithoutAFile();
    void vouchesOnlyForASettledFile_data();
    void vouchesOnlyForASettledFile();

private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return QDir(dir_.path()).filePath(name); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the fixture file");
    }
};

void TestFileStamp::stampSeesTheFileChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("same");

    QTest::newRow("nothing") << "nothing" << true;
    QTest::newRow("read") << "read" << true;
    QTest::newRow("grown") << "grown" << false;
    QTest::newRow("replaced by another file") << "replaced" << false;
}

void TestFileStamp::stampSeesTheFileChange()
{
    QFETCH(QString, change);
    QFETCH(bool, same);
    const QString name = QStringLiteral("f-") + change;
    write(name, "first");
    const std::optional<FileStamp> before = fileStamp(path(name));
    QVERIFY(before.has_value());
    QCOMPARE(before->size, 5);

    if (change == u"read") {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("first"));
    } else if (change == u"grown") {
        write(name, "second");
    } else if (change == u"replaced") {
        // Written beside it, then put in its place: same size, same name, another file.
        write(name + QStringLiteral(".new"), "fresh");
        QVERIFY(QFile::remove(path(name)));
        QVERIFY(QFile::rename(path(name + QStringLiteral(".new")), path(name)));
    }

    const std::optional<FileStamp> after = fileStamp(path(name));
    QVERIFY(after.has_value());
    QCOMPARE(*after == *before, same);
}

void TestFileStamp::noStampWithoutAFile()
{
    QVERIFY(!fileStamp(path(QStringLiteral("absent"))));
    QVERIFY(QFile::link(path(QStringLiteral("gone")), path(QStringLiteral("dangling"))));
    QVERIFY(!fileStamp(path(QStringLiteral("dangling"))));
}

void TestFileStamp::vouchesOnlyForASettledFile_data()
{
    QTest::addColumn<qint64>("modified");
    QTest::addColumn<qint64>("changed");
    QTest::addColumn<qint64>("taken");
    QTest::addColumn<bool>("vouches");

    const qint64 s = 1'000'000'000;
    QTest::newRow("left alone long before") << 100 * s << 100 * s << 200 * s << true;
    QTest::newRow("exactly the settle time before") << 197 * s << 197 * s << 200 * s << true;
    QTest::newRow("changed just before") << 100 * s << 199 * s << 200 * s << false;
    QTest::newRow("modified just before") << 199 * s << 100 * s << 200 * s << false;
    QTest::newRow("in the future") << 300 * s << 300 * s << 200 * s << false;
}

void TestFileStamp::vouchesOnlyForASettledFile()
{
    QFETCH(qint64, modified);
    QFETCH(qint64, changed);
    QFETCH(qint64, taken);
    QFETCH(bool, vouches);
    FileStamp stamp;
    stamp.modifiedNs = modified;
    stamp.changedNs = changed;
    QCOMPARE(stampVouches(stamp, taken, 3'000'000'000), vouches);
}

QTEST_APPLESS_MAIN(TestFileStamp)
#include "test_file_stamp.moc"
