// A class read whole with its pictures decoded on every core: each picture lands in its own place,
// and of several broken files the one reported is the first a reader of one file at a time meets,
// whichever thread fails first.
#include "base/error.h"
#include "board/grey.h"
#include "datafolder/class_loader.h"
#include "datafolder/picture_file.h"
#include "fixture_world.h"

#include <QTest>

class TestClassLoader : public QObject {
    Q_OBJECT
private slots:
    void everyPictureIsItsOwnFiles()
    {
        FixtureWorld world;
        world.writeStandardClass();
        const PreparedClass prepared = prepareClass(world.path({}), 0, QStringLiteral("en"));
        auto picture = [&](int tree, const QString &name) {
            return loadPictureFile(world.path(QStringLiteral("Dd/%1/").arg(tree) + name));
        };
        const QVector<FixtureTree> trees = FixtureWorld::standardClass();
        for (int tree = 1; tree <= TreeCount; ++tree) {
            QCOMPARE(prepared.backgrounds[tree - 1], picture(tree, QStringLiteral("fon.jpg")));
            QCOMPARE(prepared.emblems[tree - 1], picture(tree, QStringLiteral("icv.jpg")));
            for (const FixtureTalent &t : trees[tree - 1].talents) {
                const QImage &colour = prepared.colourIcons[tree - 1][t.slot - 1];
                QCOMPARE(colour.isNull(), !t.icon);
                if (t.icon)
                    QCOMPARE(colour, picture(tree, QString::number(t.slot) + u".jpg"));
                QCOMPARE(prepared.greyIcons[tree - 1][t.slot - 1],
                         t.icon ? greyed(colour) : QImage());
            }
        }
    }

    void firstBrokenFileInReadingOrderIsReported_data()
    {
        // Each damaged file is emptied; "-" before it removes it, "!" makes it a tree file that
        // stops at line 6 on slot 45.
        QTest::addColumn<bool>("thirtyOneArrows"); // the 31st in Dd/3/tal.en, line 35
        QTest::addColumn<QStringList>("damaged");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QString>("message"); // %1: the reported file's path
        const QString empty = QStringLiteral("Cannot load picture %1: the file is empty");
        const QString missing = QStringLiteral("Cannot open file %1: No such file or directory");
        // Tree 3's background is among the first files decoded, tree 1's last talent among the
        // last: a load that reported the first error to happen would fail here.
        QTest::newRow("a picture, then a later tree's background")
            << false << QStringList{"Dd/1/41.jpg", "-Dd/3/fon.jpg"} << "Dd/1/41.jpg" << empty;
        QTest::newRow("pictures in the tree file's order, not the slots'")
            << false << QStringList{"Dd/1/9.jpg", "Dd/1/10.jpg", "Dd/2/fon.jpg"} << "Dd/1/10.jpg"
            << empty;
        QTest::newRow("background, then emblem")
            << false << QStringList{"Dd/2/icv.jpg", "Dd/3/1.jpg", "-Dd/2/fon.jpg"} << "Dd/2/fon.jpg"
            << missing;
        QTest::newRow("emblem, then tree file")
            << false << QStringList{"Dd/2/icv.jpg", "-Dd/2/tal.en"} << "Dd/2/icv.jpg" << empty;
        QTest::newRow("tree file, then its pictures and a later background")
            << false << QStringList{"Dd/2/1.jpg", "-Dd/2/tal.en", "-Dd/3/fon.jpg"} << "Dd/2/tal.en"
            << missing;
        QTest::newRow("a picture before the tree file's error, then the error")
            << false << QStringList{"Dd/1/1.jpg", "!Dd/1/tal.en"} << "Dd/1/1.jpg" << empty;
        QTest::newRow("the tree file's error, then the next tree's background")
            << false << QStringList{"!Dd/1/tal.en", "-Dd/2/fon.jpg"} << "Dd/1/tal.en"
            << "%1, line 6: slot 45 is outside 1 to 44";
        QTest::newRow("the arrow past the limit, then a later picture")
            << true << QStringList{"Dd/3/3.jpg"} << "Dd/3/tal.en"
            << "%1, line 35: talent 2 would be talent 31 with a prerequisite in this class; a "
               "class may have at most 30";
        QTest::newRow("a picture, then the arrow past the limit")
            << true << QStringList{"Dd/3/41.jpg", "Dd/3/3.jpg"} << "Dd/3/41.jpg" << empty;
    }
    void firstBrokenFileInReadingOrderIsReported()
    {
        QFETCH(bool, thirtyOneArrows);
        QFETCH(QStringList, damaged);
        QFETCH(QString, reported);
        QFETCH(QString, message);
        FixtureWorld world;
        if (thirtyOneArrows) {
            FixtureTree chain{QStringLiteral("Chain"), {{1, 1}}};
            for (int slot = 5; slot <= 44; slot += 4)
                chain.talents.append({slot, 1, slot - 4}); // ten talents with a prerequisite
            world.writeTree(QStringLiteral("Dd"), 1, chain);
            world.writeTree(QStringLiteral("Dd"), 2, chain);
            chain.talents.append({{2, 1, 1}, {3, 1}});
            world.writeTree(QStringLiteral("Dd"), 3, chain);
        } else {
            world.writeStandardClass();
        }
        for (const QString &file : damaged) {
            if (file.startsWith(u'-'))
                world.remove(file.mid(1));
            else if (file.startsWith(u'!'))
                world.write(file.mid(1), "Broken\r\n#1 2\r\nn\r\nr1\r\nr2\r\n#45 1\r\nn\r\nr\r\n");
            else
                world.write(file, QByteArray());
        }
        // Again and again: the threads finish in another order each time.
        for (int load = 0; load < 20; ++load) {
            try {
                prepareClass(world.path({}), 0, QStringLiteral("en"));
                QFAIL("the class loaded");
            } catch (const Error &e) {
                QCOMPARE(e.message(), message.arg(world.path(reported)));
            }
        }
    }
};

QTEST_MAIN(TestClassLoader)
#include "test_class_loader.moc"
