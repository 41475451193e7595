#include "base/error.h"
#include "jpeg_probe.h"
#include "world_painter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// A whole run of the generator over a small world in a temporary folder: what it writes, what
// it leaves alone, and how it reports a broken tree.
class TestPaintWorld : public QObject {
    Q_OBJECT

private slots:
    void init();
    void emptyWorldStillGetsArrowsAndIcons();
    void paintsEveryTreeWithArt();
    void secondRunRewritesNothing();
    void changedLineRewritesOnlyItsIcon();
    void droppedTalentLosesItsIcon();
    void brokenTreeIsReported_data();
    void brokenTreeIsReported();
    void slipsAreWarned_data();
    void slipsAreWarned();
    void missingSourceFolderIsAnError();

private:
    QString src(const QString &relative = {}) const { return dir_->filePath("world/" + relative); }
    QString datas(const QString &relative = {}) const
    {
        return dir_->filePath("datas/" + relative);
    }
    QString art() const { return dir_->filePath("art"); }
    void write(const QString &relative, const QString &text) const;
    PaintTally run() const { return paintWorld(src(), datas(), art()); }

    std::unique_ptr<QTemporaryDir> dir_;
};

namespace {

const QString sampleTalents = QStringLiteral("Ember Vigil\n"
                                             "#1 3\nKindling\nr1\nr2\nr3\n"
                                             "#2 1\nSpark\nr1\n"
                                             "#5 2 1\nBlaze\nr1\nr2\n"
                                             "#endtalants\n");
const QString sampleArt = QStringLiteral("# ember\npalette #2E1726 #D98A3D\nemblem sun #F2A541\n"
                                         "1 flame #E8742C\n2 bolt #F2A93B\n5 star #FF8C30\n");

QStringList arrowNames()
{
    QStringList names;
    for (const char *piece : {"a1", "b1", "d1", "d2", "d3", "l1", "r1"})
        for (const char *variant : {"g", "w", "y"})
            names << QString::fromLatin1(piece) + QString::fromLatin1(variant) + ".bmp";
    return names;
}

QSize jpegSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto probe = probeJpeg(file.readAll());
    return probe ? QSize(probe->width, probe->height) : QSize();
}

} // namespace

void TestPaintWorld::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    write("la.ini", "en\n");
}

void TestPaintWorld::write(const QString &relative, const QString &text) const
{
    const QString path = src(relative);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

void TestPaintWorld::emptyWorldStillGetsArrowsAndIcons()
{
    const PaintTally tally = run();
    QCOMPARE(QDir(datas("arrows")).entryList(QDir::Files, QDir::Name), arrowNames());
    QCOMPARE(QDir(art()).entryList(QDir::Files, QDir::Name),
             (QStringList{"runeplan-128.png", "runeplan-16.png", "runeplan-256.png",
                          "runeplan-32.png", "runeplan-48.png", "runeplan-64.png"}));
    QCOMPARE(QDir(datas()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"arrows"});
    QCOMPARE(tally.written, 27);
    QVERIFY(tally.warnings.isEmpty());
}

void TestPaintWorld::paintsEveryTreeWithArt()
{
    write("Aa/1/tal.en", sampleTalents);
    write("Aa/1/art.txt", sampleArt);
    write("Aa/3/tal.en", sampleTalents);
    write("Aa/3/art.txt", sampleArt);
    run();

    for (const QString tree : {"Aa/1/", "Aa/3/"}) {
        QCOMPARE(QDir(datas(tree)).entryList(QDir::Files, QDir::Name),
                 (QStringList{"1.jpg", "2.jpg", "5.jpg", "fon.jpg", "icv.jpg"}));
        QCOMPARE(jpegSize(datas(tree + "fon.jpg")), QSize(300, 717));
        QCOMPARE(jpegSize(datas(tree + "icv.jpg")), QSize(27, 27));
        QCOMPARE(jpegSize(datas(tree + "5.jpg")), QSize(45, 43));
    }
    QVERIFY(!QFileInfo::exists(datas("Aa/2")));
    // The texts are the build's to copy; the painter writes pictures only.
    QVERIFY(!QFileInfo::exists(datas("Aa/1/tal.en")));
    QVERIFY(!QFileInfo::exists(datas("Aa/1/art.txt")));
}

void TestPaintWorld::secondRunRewritesNothing()
{
    write("Aa/1/tal.en", sampleTalents);
    write("Aa/1/art.txt", sampleArt);
    const PaintTally first = run();
    const QDateTime stamp = QFileInfo(datas("Aa/1/fon.jpg")).lastModified();

    const PaintTally second = run();
    QCOMPARE(second.written, 0);
    QCOMPARE(second.unchanged, first.written);
    QCOMPARE(QFileInfo(datas("Aa/1/fon.jpg")).lastModified(), stamp);
}

void TestPaintWorld::changedLineRewritesOnlyItsIcon()
{
    write("Aa/1/tal.en", sampleTalents);
    write("Aa/1/art.txt", sampleArt);
    run();
    QFile icon(datas("Aa/1/2.jpg"));
    QVERIFY(icon.open(QIODevice::ReadOnly));
    const QByteArray before = icon.readAll();
    icon.close();

    write("Aa/1/art.txt", QString(sampleArt).replace("2 bolt #F2A93B", "2 bolt #3BA9F2"));
    const PaintTally tally = run();
    QCOMPARE(tally.written, 1);
    QVERIFY(icon.open(QIODevice::ReadOnly));
    QVERIFY(icon.readAll() != before);
}

void TestPaintWorld::droppedTalentLosesItsIcon()
{
    write("Aa/1/tal.en", sampleTalents);
    write("Aa/1/art.txt", sampleArt);
    run();
    QVERIFY(QFileInfo::exists(datas("Aa/1/2.jpg")));

    write("Aa/1/tal.en", QString(sampleTalents).remove("#2 1\nSpark\nr1\n"));
    write("Aa/1/art.txt", QString(sampleArt).remove("2 bolt #F2A93B\n"));
    const PaintTally tally = run();
    QCOMPARE(tally.removed, 1);
    QVERIFY(!QFileInfo::exists(datas("Aa/1/2.jpg")));
    QVERIFY(QFileInfo::exists(datas("Aa/1/1.jpg")));
}

void TestPaintWorld::brokenTreeIsReported_data()
{
    QTest::addColumn<QString>("artText");
    QTest::addColumn<QString>("talentText"); // null: no tal.en
    QTest::addColumn<QString>("message");    // %1 is the tree's source folder

    QTest::newRow("talent without art line")
        << QString(sampleArt).remove("5 star #FF8C30\n") << sampleTalents
        << "%1/art.txt: no line for slot 5, talent 'Blaze' of %1/tal.en line 10";
    QTest::newRow("unknown glyph")
        << QString(sampleArt).replace("2 bolt", "2 lightning") << sampleTalents
        << "%1/art.txt, line 5: unknown glyph 'lightning'";
    QTest::newRow("bad colour") << QString(sampleArt).replace("#F2A93B", "#F2A93") << sampleTalents
                                << "%1/art.txt, line 5: '#F2A93' is not a colour; write it as "
                                   "#RRGGBB";
    QTest::newRow("no tal.en") << sampleArt << QString()
                               << "%1/tal.en: missing; art.txt beside it is checked against it";
    QTest::newRow("broken tal.en") << sampleArt << QString(sampleTalents).replace("#2 1", "#2 x")
                                   << "%1/tal.en, line 7: 'x' is not a valid integer value";
}

void TestPaintWorld::brokenTreeIsReported()
{
    QFETCH(QString, artText);
    QFETCH(QString, talentText);
    QFETCH(QString, message);

    write("Bb/2/art.txt", artText);
    if (!talentText.isNull())
        write("Bb/2/tal.en", talentText);
    try {
        run();
        QFAIL("the broken tree was painted");
    } catch (const Error &e) {
        QCOMPARE(e.message(), message.arg(QDir(src()).filePath("Bb/2")));
    }
}

void TestPaintWorld::slipsAreWarned_data()
{
    QTest::addColumn<QString>("artText"); // null: no art.txt
    QTest::addColumn<QString>("warning"); // %1 is the tree's source folder

    QTest::newRow("art line without talent")
        << sampleArt + "9 orb #8060FF\n"
        << "%1/art.txt, line 7: slot 9 has no talent in %1/tal.en";
    QTest::newRow("tree without art.txt")
        << QString() << "%1: no art.txt, so no pictures for this tree";
}

void TestPaintWorld::slipsAreWarned()
{
    QFETCH(QString, artText);
    QFETCH(QString, warning);

    write("Cc/1/tal.en", sampleTalents);
    if (!artText.isNull())
        write("Cc/1/art.txt", artText);
    const PaintTally tally = run();
    QCOMPARE(tally.warnings, QStringList{warning.arg(QDir(src()).filePath("Cc/1"))});
}

void TestPaintWorld::missingSourceFolderIsAnError()
{
    const QString missing = dir_->filePath("nowhere");
    try {
        paintWorld(missing, datas(), art());
        QFAIL("a missing world was accepted");
    } catch (const Error &e) {
        QCOMPARE(e.message(), missing + ": no such folder");
    }
    QVERIFY(!QFileInfo::exists(datas()));
}

QTEST_GUILESS_MAIN(TestPaintWorld)
#include "test_paint_world.moc"
