// A class read whole with its pictures decoded on every core: each picture lands in its own place,
// and of several broken files the one reported is the first a reader of one file at a time meets,
// whichever thread fails first.
#include "base/error.h"
#include "board/grey.h"
#include "datafolder/class_loader.h"
#include "datafolder/picture_file.h"
#include "fixture_world.h"

#include <QTest>

namespace {

enum class Shape { Standard, ThirtyOneArrows };

// Trees 1 and 2 hold ten talents with a prerequisite each; tree 3 one more (slot 2, the 31st, on
// line 35 of its tree file) and a talent after it.
void writeThirtyOneArrows(FixtureWorld &world)
{
    FixtureTree chain{QStringLiteral("Chain"), {{1, 1}}};
    for (int slot = 5; slot <= 44; slot += 4)
        chain.talents.append({slot, 1, slot - 4});
    world.writeTree(QStringLiteral("Dd"), 1, chain);
    world.writeTree(QStringLiteral("Dd"), 2, chain);
    chain.talents.append({2, 1, 1});
    chain.talents.append({3, 1});
    world.writeTree(QStringLiteral("Dd"), 3, chain);
}

} // namespace

Q_DECLARE_METATYPE(Shape)

class TestClassLoader : public QObject {
    Q_OBJECT
private slots:
    void everyPictureIsItsOwnFiles()
    {
        FixtureWorld world;
        world.writeStandardClass();
        const PreparedClass prepared = prepareClass(world.path({}), 0, QStringLiteral("en"));
        const QVector<FixtureTree> trees = FixtureWorld::standardClass();
        for (int tree = 1; tree <= TreeCount; ++tree) {
            const QString folder = QStringLiteral("Dd/%1/").arg(tree);
            QCOMPARE(prepared.backgrounds[tree - 1],
                     loadPictureFile(world.path(folder + QStringLiteral("fon.jpg"))));
            QCOMPARE(prepared.emblems[tree - 1],
                     loadPictureFile(world.path(folder + QStringLiteral("icv.jpg"))));
            for (const FixtureTalent &t : trees[tree - 1].talents) {
                const QImage &colour = prepared.colourIcons[tree - 1][t.slot - 1];
                QCOMPARE(prepared.table.at(t.slot, tree).present, t.icon);
                if (!t.icon) {
                    QVERIFY(colour.isNull() && prepared.greyIcons[tree - 1][t.slot - 1].isNull());
                    continue;
                }
                const QString file = folder + QString::number(t.slot) + QStringLiteral(".jpg");
                QCOMPARE(colour, loadPictureFile(world.path(file)));
                QCOMPARE(prepared.greyIcons[tree - 1][t.slot - 1], greyed(colour));
            }
        }
    }

    void firstBrokenFileInReadingOrderIsReported_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QString>("badTreeFile"); // stops at line 6 on slot 45
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QString>("message"); // %1: the reported file's path

        const QString empty = QStringLiteral("Cannot load picture %1: the file is empty");
        const QString missing = QStringLiteral("Cannot open file %1: No such file or directory");
        const QStringList none;
        // The background of tree 3 is decoded among the first files, the picture of tree 1's last
        // talent among the last: a load that reported the first error to happen would fail here.
        QTest::newRow("a talent's picture, then a later tree's background")
            << Shape::Standard << QStringList{"Dd/1/41.jpg"} << QStringList{"Dd/3/fon.jpg"}
            << QString() << "Dd/1/41.jpg" << empty;
        QTest::newRow("pictures in the tree file's order, not the slots'")
            << Shape::Standard << QStringList{"Dd/1/9.jpg", "Dd/1/10.jpg", "Dd/2/fon.jpg"} << none
            << QString() << "Dd/1/10.jpg" << empty;
        QTest::newRow("background, then emblem")
            << Shape::Standard << QStringList{"Dd/2/icv.jpg", "Dd/3/1.jpg"}
            << QStringList{"Dd/2/fon.jpg"} << QString() << "Dd/2/fon.jpg" << missing;
        QTest::newRow("emblem, then tree file")
            << Shape::Standard << QStringList{"Dd/2/icv.jpg"} << QStringList{"Dd/2/tal.en"}
            << QString() << "Dd/2/icv.jpg" << empty;
        QTest::newRow("tree file, then its pictures and a later background")
            << Shape::Standard << QStringList{"Dd/2/1.jpg"}
            << QStringList{"Dd/2/tal.en", "Dd/3/fon.jpg"} << QString() << "Dd/2/tal.en" << missing;
        QTest::newRow("a picture before the tree file's error, then the error")
            << Shape::Standard << QStringList{"Dd/1/1.jpg"} << none << "Dd/1/tal.en"
            << "Dd/1/1.jpg" << empty;
        QTest::newRow("the tree file's error, then the next tree's background")
            << Shape::Standard << none << QStringList{"Dd/2/fon.jpg"} << "Dd/1/tal.en"
            << "Dd/1/tal.en"
            << "%1, line 6: slot 45 is outside 1 to 44";
        QTest::newRow("the arrow past the limit, then a later picture")
            << Shape::ThirtyOneArrows << QStringList{"Dd/3/3.jpg"} << none << QString()
            << "Dd/3/tal.en"
            << "%1, line 35: talent 2 would be talent 31 with a prerequisite in this class; a "
               "class may have at most 30";
        QTest::newRow("a picture, then the arrow past the limit")
            << Shape::ThirtyOneArrows << QStringList{"Dd/3/41.jpg", "Dd/3/3.jpg"} << none
            << QString() << "Dd/3/41.jpg" << empty;
    }
    void firstBrokenFileInReadingOrderIsReported()
    {
        QFETCH(Shape, shape);
        QFETCH(QStringList, emptied);
        QFETCH(QStringList, removed);
        QFETCH(QString, badTreeFile);
        QFETCH(QString, reported);
        QFETCH(QString, message);
        FixtureWorld world;
        if (shape == Shape::Standard)
            world.writeStandardClass();
        else
            writeThirtyOneArrows(world);
        for (const QString &file : emptied)
            world.write(file, QByteArray());
        for (const QString &file : removed)
            world.remove(file);
        if (!badTreeFile.isEmpty())
            world.write(badTreeFile, "Broken\r\n#1 2\r\nname\r\nr1\r\nr2\r\n#45 1\r\nx\r\ny\r\n");

        const QString expected = message.arg(world.path(reported));
        // Again and again: the threads finish in another order each time.
        for (int load = 0; load < 20; ++load) {
            try {
                prepareClass(world.path({}), 0, QStringLiteral("en"));
                QFAIL("the class loaded");
            } catch (const Error &e) {
                QCOMPARE(e.message(), expected);
            }
        }
    }
};

QTEST_MAIN(TestClassLoader)
#include "test_class_loader.moc"
