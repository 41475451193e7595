// Start-up, the fatal checks, the remembered language and the close.
#include "board/fonts.h"
#include "board_driver.h"
#include "last_language_files.h"
#include "toolkit/choice_box.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerTahoma();
        // A close that cannot write the data folder writes the user's configuration folder: a
        // test location here (see test_language_memory).
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { QDir(QFileInfo(userLastLanguageFile()).absolutePath()).removeRecursively(); }

    void missingFileIsFatal_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("language list") << "la.ini";
        QTest::newRow("last language") << "last.ini";
    }
    void missingFileIsFatal()
    {
        QFETCH(QString, file);
        FixtureWorld world;
        world.writeStandardClass();
        world.remove(file);
        // The user's own file never stands in for the data folder's.
        prepare(userLastLanguageFile(), Spot::File, "1\r\n");
        RecordingDialogs dialogs;
        MainWindow window(world.exeDir());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Error"));
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("File ") + world.path(file) + QStringLiteral(" not found "));
        QVERIFY(window.endRequested());
    }

    void rememberedLanguage_data()
    {
        QTest::addColumn<QByteArray>("lastIni");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("errors");
        QTest::newRow("second") << QByteArray("1\r\n") << "ru" << 0;
        QTest::newRow("first") << QByteArray("0") << "en" << 0;
        QTest::newRow("past the list") << QByteArray("7\n") << "en" << 0;
        QTest::newRow("negative") << QByteArray("-1") << "en" << 0;
        // Said once, then the start goes on as if the file said 0.
        QTest::newRow("empty") << QByteArray("") << "en" << 1;
        QTest::newRow("not a number") << QByteArray("two\r\n1") << "en" << 1;
        QTest::newRow("overflowing") << QByteArray("99999999999") << "en" << 1;
    }
    void rememberedLanguage()
    {
        QFETCH(QByteArray, lastIni);
        QFETCH(QString, language);
        QFETCH(int, errors);
        FixtureWorld world;
        world.writeStandardClass();
        world.write(QStringLiteral("last.ini"), lastIni);
        OpenedWindow w;
        w.open(world);
        QVERIFY(!w->endRequested());
        QCOMPARE(w.dialogs.messages.size(), errors);
        QCOMPARE(w->build().languageCode(), language);
        QCOMPARE(languageLabel(*w)->caption(), language + QStringLiteral(":9"));
        QCOMPARE(spentLabel(*w)->caption(), language + QStringLiteral(":7: 0"));
        QCOMPARE(w->talents().at(1, 1).present, true);
        QVERIFY(w->isEnabled());
        if (errors > 0)
            QVERIFY(w.dialogs.messages[0].text.contains(world.path(QStringLiteral("last.ini"))));
    }

    // The window at start on a data folder whose file cannot be written (an installed copy): a
    // language file that cannot be read is named in a box. The user's file giving the language is
    // installedCopyRemembersTheLanguage's; which file is read, test_language_memory's.
    void anUnreadableLanguageFileIsNamed_data()
    {
        QTest::addColumn<Spot>("userSpot");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("namesUserFile");
        QTest::newRow("bad user file") << Spot::File << "en" << true;
        QTest::newRow("no user file") << Spot::Missing << "" << false;
    }
    void anUnreadableLanguageFileIsNamed()
    {
        QFETCH(Spot, userSpot);
        QFETCH(QString, language);
        QFETCH(bool, namesUserFile);
        FixtureWorld world;
        world.writeStandardClass();
        prepare(world.path(QStringLiteral("last.ini")), Spot::Folder);
        prepare(userLastLanguageFile(), userSpot, "one\r\n");
        OpenedWindow w;
        w.open(world);
        QVERIFY(!w->endRequested());
        QCOMPARE(w->build().languageCode(), language);
        QCOMPARE(w.dialogs.messages.size(), 1);
        const QString named =
            namesUserFile ? userLastLanguageFile() : world.path(QStringLiteral("last.ini"));
        QVERIFY2(w.dialogs.messages[0].text.contains(named),
                 qPrintable(w.dialogs.messages[0].text));
    }

    void captionsOfALanguage()
    {
        FixtureWorld world;
        world.writeStandardClass();
        world.writeStandardClass(QStringLiteral("Pl"));
        OpenedWindow w;
        w.open(world);
        QCOMPARE(w->windowTitle(), QStringLiteral("Runeplan 3.1.0"));
        chooseEntry(classBox(*w), 4);
        chooseEntry(languageBox(*w), 1);
        QVERIFY(w.dialogs.messages.isEmpty());
        QCOMPARE(w->build().languageCode(), QStringLiteral("ru"));
        QCOMPARE(learnHint(*w)->caption(), QStringLiteral(" ru:0"));
        QCOMPARE(unlearnHint(*w)->caption(), QStringLiteral("ru:1"));
        QCOMPARE(spentLabel(*w)->caption(), QStringLiteral("ru:7: 0"));
        QCOMPARE(freeLabel(*w)->caption(), QStringLiteral("ru:8: 71"));
        QCOMPARE(levelLabel(*w)->caption(), QStringLiteral("ru:15: 9"));
        QCOMPARE(languageLabel(*w)->caption(), QStringLiteral("ru:9"));
        QCOMPARE(classLabel(*w)->caption(), QStringLiteral("ru:10"));
        QCOMPARE(loadButton(*w)->text(), QStringLiteral("ru:11"));
        QCOMPARE(saveButton(*w)->text(), QStringLiteral("ru:12"));
        QCOMPARE(resetButton(*w)->text(), QStringLiteral("ru:14"));
        QCOMPARE(w->fileDialogs().open().title, QStringLiteral("ru:11"));
        QCOMPARE(w->fileDialogs().save().title, QStringLiteral("ru:12"));
        QCOMPARE(classBox(*w)->count(), 10);
        QCOMPARE(classBox(*w)->itemText(9), QStringLiteral("ru class 9"));
        QCOMPARE(classBox(*w)->currentIndex(), 4);
        QCOMPARE(treeLabel(*w, 0), QStringLiteral("First Tree: 0"));
        QCOMPARE(w->talents().at(1, 1).name, QStringLiteral("ru talent 1-1"));
        QVERIFY(w->isEnabled());
        // The window opens on the first stop of its Tab chain; the hidden focus rest takes none.
        QCOMPARE(w->focusWidget(), languageBox(*w));
        QVERIFY(focusSink(*w)->isHidden());
    }

    void classNamesOfAStringsFile_data()
    {
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("selectedBefore");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("selectedAfter");
        // A language that does not offer the class on the board is refused: the box keeps the
        // classes of the language before.
        QTest::newRow("twelve names offer ten") << 12 << 2 << 10 << 2;
        QTest::newRow("three names, class 5 shown") << 3 << 5 << 10 << 5;
        QTest::newRow("three names, class 2 shown") << 3 << 2 << 3 << 2;
        QTest::newRow("no names") << 0 << 1 << 10 << 1;
    }
    void classNamesOfAStringsFile()
    {
        QFETCH(int, names);
        QFETCH(int, selectedBefore);
        QFETCH(int, entries);
        QFETCH(int, selectedAfter);
        FixtureWorld world;
        for (const char *code : {"Dd", "Dr", "Hu", "Mg", "Pl", "Pr"})
            world.writeStandardClass(QLatin1String(code));
        QStringList ru = FixtureWorld::defaultStrings(QStringLiteral("ru")).mid(0, 19);
        for (int n = 0; n < names; ++n)
            ru.append(QStringLiteral("name ") + QString::number(n));
        world.writeStrings(QStringLiteral("ru"), ru);
        OpenedWindow w;
        w.open(world);
        chooseEntry(classBox(*w), selectedBefore);
        chooseEntry(languageBox(*w), 1);
        QCOMPARE(classBox(*w)->count(), entries);
        QCOMPARE(classBox(*w)->currentIndex(), selectedAfter);
        QCOMPARE(w.dialogs.messages.size(), selectedBefore >= names ? 1 : 0);
        QCOMPARE(languageBox(*w)->currentIndex(), selectedBefore >= names ? 0 : 1);
        QVERIFY(w->isEnabled());
    }

    void missingStringsFileKeepsTheWindowUsable()
    {
        FixtureWorld world;
        world.writeStandardClass();
        world.remove(QStringLiteral("lang.ru"));
        OpenedWindow w;
        w.open(world);
        chooseEntry(languageBox(*w), 1);
        QCOMPARE(w.dialogs.messages.size(), 1);
        QVERIFY(w.dialogs.messages[0].text.contains(world.path(QStringLiteral("lang.ru"))));
        QVERIFY(w->isEnabled());
        QCOMPARE(w->windowTitle(), QStringLiteral("Runeplan 3.1.0"));
        chooseEntry(languageBox(*w), 0);
        QCOMPARE(w.dialogs.messages.size(), 1);
        QCOMPARE(languageLabel(*w)->caption(), QStringLiteral("en:9"));
    }

    void closeWritesTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("first") << 0 << QByteArray("0\r\n");
        QTest::newRow("second") << 1 << QByteArray("1\r\n");
    }
    void closeWritesTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, written);
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        chooseEntry(languageBox(*w), language);
        QVERIFY(w->close());
        QFile file(world.path(QStringLiteral("last.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
        QVERIFY(w.dialogs.messages.isEmpty());
        QVERIFY(!QFileInfo::exists(userLastLanguageFile())); // only the data folder is written
    }

    // An installed copy across two runs: the language chosen in the first is there in the second,
    // and neither close reports an error.
    void installedCopyRemembersTheLanguage()
    {
        FixtureWorld world;
        world.writeStandardClass();
        const QString dataFile = world.path(QStringLiteral("last.ini"));
        {
            OpenedWindow w;
            w.open(world);
            prepare(dataFile, Spot::Folder);
            chooseEntry(languageBox(*w), 1);
            QVERIFY(w->close());
            QVERIFY(w.dialogs.messages.isEmpty());
        }
        QCOMPARE(contents(userLastLanguageFile()), QByteArray("1\r\n"));
        OpenedWindow again;
        again.open(world);
        QVERIFY(again.dialogs.messages.isEmpty());
        QCOMPARE(again->build().languageCode(), QStringLiteral("ru"));
        chooseEntry(languageBox(*again), 0);
        QVERIFY(again->close());
        QVERIFY(again.dialogs.messages.isEmpty());
        QCOMPARE(contents(userLastLanguageFile()), QByteArray("0\r\n"));
    }

    void aLastLanguageFileDeletedMeanwhileIsMadeAgain()
    {
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        chooseEntry(languageBox(*w), 1);
        world.remove(QStringLiteral("last.ini"));
        QVERIFY(w->close());
        OpenedWindow again;
        again.open(world);
        QVERIFY(!again->endRequested());
        QVERIFY(again.dialogs.messages.isEmpty());
        QCOMPARE(again->build().languageCode(), QStringLiteral("ru"));
    }

    void closeGoesOnWhenTheLanguageCannotBeSaved()
    {
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        // A folder where the file should be: nothing can write it, not even as root.
        world.remove(QStringLiteral("last.ini"));
        QVERIFY(QDir().mkpath(world.path(QStringLiteral("last.ini"))));
        // Nor the user's own file, where the language goes when the data folder cannot take it.
        prepare(userLastLanguageFile(), Spot::Folder);
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
        QCOMPARE(w.dialogs.messages.size(), 1);
        QVERIFY(w.dialogs.messages[0].text.contains(world.path(QStringLiteral("last.ini"))));
        QVERIFY(w.dialogs.messages[0].text.contains(userLastLanguageFile()));
    }

    void controlsStandWhereTheDesignPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("board") << "board" << QRect(0, 0, 912, 721);
        QTest::newRow("sp_ab") << "sp_ab" << QRect(912, 8, 89, 22);
        QTest::newRow("cb_lang") << "cb_lang" << QRect(912, 85, 92, 21);
        QTest::newRow("cb_class") << "cb_class" << QRect(912, 132, 92, 21);
        QTest::newRow("Edit1") << "Edit1" << QRect(916, 264, 1, 21);
        QTest::newRow("bt_undo") << "bt_undo" << QRect(912, 288, 89, 22);
        QTest::newRow("bt_redo") << "bt_redo" << QRect(912, 331, 89, 22);
        QTest::newRow("bt_reset") << "bt_reset" << QRect(912, 417, 89, 22);
        QTest::newRow("sp_save") << "sp_save" << QRect(912, 460, 89, 22);
        QTest::newRow("sp_load") << "sp_load" << QRect(912, 504, 89, 22);
    }
    void controlsStandWhereTheDesignPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        QCOMPARE(w->size(), QSize(1009, 721));
        auto *control = w->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
    }

    void labelsStandAtTheirCorners_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::newRow("lb_lang") << "lb_lang" << QPoint(912, 71) << 11 << false;
        QTest::newRow("lb_class") << "lb_class" << QPoint(912, 116) << 11 << false;
        QTest::newRow("Lb_Free") << "Lb_Free" << QPoint(912, 183) << 13 << true;
        QTest::newRow("lb_tot") << "lb_tot" << QPoint(912, 210) << 13 << true;
        QTest::newRow("lb_lvl") << "lb_lvl" << QPoint(912, 234) << 13 << true;
    }
    void labelsStandAtTheirCorners()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, at);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        auto *label = w->findChild<LabelControl *>(name);
        QVERIFY(label);
        QCOMPARE(label->pos(), at);
        QCOMPARE(label->font().pixelSize(), pixels);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->font().family(), QStringLiteral("Tahoma"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
