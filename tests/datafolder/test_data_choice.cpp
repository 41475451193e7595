// The choice of data folder and language every start makes: what it tells the window and the
// modes to act on. (How each acts on it: tests/ui/test_startup and tests/cli.)
#include "datafolder/data_choice.h"
#include "datafolder/data_folder_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "<none>" leaves the file out and "<folder>" puts a folder in its place.
bool place(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return contents == "<none>" || (contents == "<folder>" && QDir().mkpath(path)) ||
           (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
}

QStringList told(const DataChoice &c)
{
    const std::pair<bool, const char *> flags[] = {
        {c.notAFolder, "not a folder"},
        {c.languageListMissing, "no la.ini"},
        {c.requestedUnknown, "unknown language"},
        {c.lastLanguageMissing, "no last.ini"},
        {!c.lastLanguageUnreadable.isEmpty(), "last.ini unreadable"},
        // Named by the file it was read from.
        {c.lastLanguageNotANumber.startsWith(c.lastLanguage + u':'), "last.ini not a number"}};
    QStringList out;
    for (const auto &[set, name] : flags) {
        if (set)
            out << QString::fromLatin1(name);
    }
    return out;
}

} // namespace

class TestDataChoice : public QObject {
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<QByteArray>("laIni"); // "<file>": the data folder itself is a file
        QTest::addColumn<QByteArray>("lastIni");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("problems");
        const QByteArray two = "en\r\nru\r\n";
        QTest::newRow("remembered") << two << QByteArray("1\r\n") << ""
                                    << "ru" << QStringList{};
        QTest::newRow("asked for") << two << QByteArray("1") << "en"
                                   << "en" << QStringList{};
        QTest::newRow("unknown: the one used last") << two << QByteArray("1") << "xx"
                                                    << "ru" << QStringList{"unknown language"};
        QTest::newRow("not a number") << two << QByteArray("two\r\n1") << "ru"
                                      << "ru" << QStringList{"last.ini not a number"};
        QTest::newRow("no last.ini") << two << QByteArray("<none>") << ""
                                     << "en" << QStringList{"no last.ini", "last.ini unreadable"};
        QTest::newRow("last.ini a folder") << two << QByteArray("<folder>") << ""
                                           << "en" << QStringList{"last.ini unreadable"};
        QTest::newRow("no la.ini") << QByteArray("<none>") << QByteArray("0") << "en"
                                   << "" << QStringList{"no la.ini"};
        QTest::newRow("the folder a file") << QByteArray("<file>") << QByteArray() << ""
                                           << "" << QStringList{"not a folder", "no la.ini"};
        QTest::newRow("la.ini a folder") << QByteArray("<folder>") << QByteArray("0") << ""
                                         << "" << QStringList{"DataFolderError"};
    }
    void choice()
    {
        QFETCH(QByteArray, laIni);
        QFETCH(QByteArray, lastIni);
        QFETCH(QString, requested);
        QFETCH(QString, language);
        QFETCH(QStringList, problems);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("datas"));
        QVERIFY(laIni == "<file>" ? place(folder, "x")
                                  : QDir().mkpath(folder) && place(folder + "/la.ini", laIni) &&
                                        place(folder + "/last.ini", lastIni));
        try {
            const DataChoice choice = chooseDataAndLanguage(folder, requested);
            QCOMPARE(told(choice), problems);
            QCOMPARE(choice.language(), language);
            QCOMPARE(choice.dataFolder, folder + u'/');
        } catch (const DataFolderError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("la.ini")), qPrintable(e.message()));
            QCOMPARE(QStringList{"DataFolderError"}, problems);
        }
    }
};

QTEST_GUILESS_MAIN(TestDataChoice)
#include "test_data_choice.moc"
