// The library of builds: its file format, the listing of a folder with its unreadable files, and
// the names its files are kept under.
#include "build/library.h"
#include "error_of.h"
#include "talents/build_code.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(LibraryBuild)

namespace {

// A code of `classCode` with `points` points in tree 1's first talents.
QString codeOf(const char *classCode, int points)
{
    BuildCode code;
    code.classCode = QString::fromLatin1(classCode);
    for (int slot = 0; points > 0; ++slot, points -= 5)
        code.ranks[0][slot] = std::min(points, 5);
    return encodeBuildCode(code);
}

QDateTime utc(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toUTC();
}

bool writeBytes(const QString &path, const QByteArray &bytes, const QDateTime &modified)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.setFileTime(modified, QFileDevice::FileModificationTime);
}

} // namespace

class TestLibrary : public QObject {
    Q_OBJECT
private slots:
    void fileComesBackAsItWasWritten_data()
    {
        QTest::addColumn<LibraryBuild>("build");
        QTest::addColumn<QByteArray>("bytes"); // empty: not compared
        const QString code = codeOf("Dd", 7);
        LibraryBuild full{QStringLiteral("Fire \u00e9t\u00e9"),
                          code,
                          utc("2024-03-05T06:07:08Z"),
                          QStringLiteral("line one\n\n  line three: not a key"),
                          {{QStringLiteral("patch"), QStringLiteral("4.2")},
                           {QStringLiteral("author"), QStringLiteral("someone: else")}}};
        QTest::newRow("every part")
            << full
            << "Runeplan build 1\nname: Fire \xc3\xa9t\xc3\xa9\ncode: " + code.toLatin1() +
                   "\nsaved: 2024-03-05T06:07:08Z\npatch: 4.2\n"
                   "author: someone: else\nnotes:\nline one\n\n"
                   "  line three: not a key\n";
        QTest::newRow("no time, no notes")
            << LibraryBuild{QStringLiteral("x"), code, {}, {}, {}}
            << "Runeplan build 1\nname: x\ncode: " + code.toLatin1() + "\nnotes:\n";
        QTest::newRow("spaces and tabs kept, notes ending in a line break")
            << LibraryBuild{QStringLiteral(" a\tb "), code, {}, QStringLiteral("n\n\n"), {}}
            << QByteArray();
    }
    void fileComesBackAsItWasWritten()
    {
        QFETCH(LibraryBuild, build);
        QFETCH(QByteArray, bytes);
        const QByteArray written = formatLibraryFile(build);
        if (!bytes.isEmpty())
            QCOMPARE(written, bytes);
        QCOMPARE(parseLibraryFile(written), build);
    }

    void handWrittenFilesRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("problem"); // empty when the file reads
        QTest::newRow("CR LF, a byte order mark, blank lines")
            << QByteArray("\xef\xbb\xbfRuneplan build 1\r\n\r\nname:x\r\ncode: c\r\nnotes:\r\n"
                          "a\r\nb\r\n")
            << "x"
            << "a\nb"
            << "";
        QTest::newRow("notes beside their key") << QByteArray("Runeplan build 1\nname: x\ncode: c\n"
                                                              "notes: first\nsecond")
                                                << "x"
                                                << "first\nsecond"
                                                << "";
        QTest::newRow("not UTF-8") << QByteArray("Runeplan build 1\nname: \xe9t\xe9\n") << ""
                                   << ""
                                   << "not UTF-8";
        QTest::newRow("newer format") << QByteArray("Runeplan build 2\n") << ""
                                      << ""
                                      << "line 1: a library file of a newer format";
        QTest::newRow("no code") << QByteArray("Runeplan build 1\nname: x\nnotes:\ncode: c\n") << ""
                                 << ""
                                 << "no \"code:\" line";
        QTest::newRow("two names")
            << QByteArray("Runeplan build 1\nname: x\nname: y\ncode: c\n") << ""
            << ""
            << "line 3: a second \"name:\" line";
        QTest::newRow("a line without a key")
            << QByteArray("Runeplan build 1\nname: x\nhello\n") << ""
            << ""
            << "line 3: \"hello\" is not";
        QTest::newRow("a damaged time")
            << QByteArray("Runeplan build 1\nname: x\ncode: c\nsaved: yesterday\n") << ""
            << ""
            << "line 4: saved: \"yesterday\" is not a time";
    }
    void handWrittenFilesRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, notes);
        QFETCH(QString, problem);
        const QString error = errorOf([&] {
            const LibraryBuild build = parseLibraryFile(bytes);
            QCOMPARE(build.name, name);
            QCOMPARE(build.notes, notes);
        });
        QVERIFY2(problem.isEmpty() ? error.isEmpty()
                                   : error.startsWith(problem) || error.contains(problem),
                 qPrintable(error));
    }

    void folderListsGoodBuildsNewestFirstAndBadOnesWithTheirReason()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("new/builds"));
        const QDateTime now = utc("2024-06-01T12:00:00Z");
        // Written by the planner into a folder not there yet: sorted by "saved:" over the time of
        // the file, or by the file's time without one.
        struct Good {
            const char *name;
            const char *saved;
            int hoursOld;
        } goods[] = {{"old", "2020-01-01T00:00:00Z", 0},
                     {"no time", nullptr, 20},
                     {"newest", "2024-05-31T23:00:00Z", 200}};
        for (const Good &g : goods) {
            const LibraryBuild build{QString::fromLatin1(g.name),
                                     codeOf("Dd", 12),
                                     g.saved ? utc(g.saved) : QDateTime(),
                                     {},
                                     {}};
            const QString path = freeLibraryPath(folder, build.name);
            writeLibraryFile(path, build);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(now.addSecs(-3600 * g.hoursOld),
                                     QFileDevice::FileModificationTime));
        }
        const QByteArray head = "Runeplan build 1\nname: x\n";
        const std::pair<const char *, QByteArray> bads[] = {
            {"empty", ""},
            {"huge", head + QByteArray(MaxLibraryFileBytes, 'x')},
            {"damaged", head + "code: " + codeOf("Dd", 3).chopped(1).toLatin1() + "x\n"},
            {"not offered", head + "code: " + codeOf("Dr", 3).toLatin1() + "\n"}};
        for (const auto &[name, bytes] : bads)
            QVERIFY(writeBytes(QDir(folder).filePath(QString::fromLatin1(name) + ".build"), bytes,
                               now.addYears(-10)));
        QVERIFY(writeBytes(QDir(folder).filePath("other.txt"), head, now));

        const QVector<LibraryEntry> entries = readLibrary(folder, 1);
        QStringList order, problems;
        for (const LibraryEntry &e : entries) {
            const QString file = QFileInfo(e.path).completeBaseName();
            if (e.build) {
                order << e.build->name;
                QCOMPARE(e.points, 12);
                QCOMPARE(e.classIndex, 0);
            } else {
                problems << file + ": " + e.problem;
            }
        }
        QCOMPARE(order, (QStringList{"newest", "no time", "old"}));
        QCOMPARE(entries.first().sortTime, utc("2024-05-31T23:00:00Z"));
        QCOMPARE(entries.at(1).sortTime, now.addSecs(-20 * 3600));
        QCOMPARE(problems, (QStringList{"damaged: damaged build code: check the characters",
                                        "empty: the file is empty", "huge: larger than 1 MiB",
                                        "not offered: class Dr is not one of the data folder's "
                                        "classes"}));
        QVERIFY(readLibrary(dir.filePath(QStringLiteral("absent")), 1).isEmpty());
        // A folder that cannot be made is named in the error.
        QVERIFY(errorOf([&] {
                    writeLibraryFile(QDir(folder).filePath("old.build/x.build"), {});
                }).contains("old.build/x.build"));
    }

    void fileNamesOfAwkwardNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain") << "Fire mage" << QStringList() << "Fire mage.build";
        QTest::newRow("forbidden characters") << "a/b\\c:d*e?f\"g<h>i|j\tk\nl\x01m" << QStringList()
                                              << "a_b_c_d_e_f_g_h_i_j_k_l_m.build";
        QTest::newRow("150 characters")
            << QString(150, u'x') << QStringList() << QString(100, u'x') + ".build";
        QTest::newRow("150 letters of three bytes") << QString(150, QChar(0x4e2d)) << QStringList()
                                                    << QString(66, QChar(0x4e2d)) + ".build";
        QTest::newRow("no name, a hidden one") << "" << QStringList() << "_.build";
        QTest::newRow("taken") << "x" << QStringList{"x.build"} << "x (2).build";
        QTest::newRow("taken twice")
            << "a:b" << QStringList{"a_b.build", "a_b (2).build"} << "a_b (3).build";
    }
    void fileNamesOfAwkwardNames()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        for (const QString &file : taken)
            QVERIFY(writeBytes(dir.filePath(file), "x", QDateTime::currentDateTimeUtc()));
        if (taken.isEmpty())
            QCOMPARE(libraryFileName(name), fileName);
        const QString path = freeLibraryPath(dir.path(), name);
        QCOMPARE(path, dir.filePath(fileName));
        // The name makes a file that the library lists.
        writeLibraryFile(path, {name, codeOf("Dd", 1), {}, {}, {}});
        QVERIFY(QFileInfo(path).isFile());
    }
};

QTEST_GUILESS_MAIN(TestLibrary)
#include "test_library.moc"
