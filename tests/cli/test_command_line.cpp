// The program's command line, run as a user runs it: the grammar, the exit codes and the modes
// that need no display.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <atomic>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// The program with no display at all: a mode that made a window would fail to start.
Run run(const QStringList &arguments, const QString &output = {})
{
    QProcess process;
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RUNEPLAN_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A data folder (or its folder `part`) of links to the bundled one beside the program, but for
// what `own` makes.
bool linkedWorld(const QString &folder, const QStringList &own, const QString &part = {})
{
    const QDir bundled(QFileInfo(QStringLiteral(RUNEPLAN_PROGRAM)).dir().filePath("datas/" + part));
    if (!QDir().mkpath(folder))
        return false;
    for (const QString &name : bundled.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (!own.contains(name) && !QFile::link(bundled.filePath(name), folder + u'/' + name))
            return false;
    }
    return true;
}

// The whole of what a named pipe receives while `work` runs.
QByteArray readFromPipe(const QString &pipe, const std::function<void()> &work)
{
    QByteArray bytes;
    std::atomic<bool> done = false;
    std::thread reader([&] {
        QFile file(pipe);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        done = true;
    });
    work();
    // A reader still waiting for a writer is let go.
    while (!done) {
        if (const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            fd >= 0)
            ::close(fd);
        QThread::msleep(10);
    }
    reader.join();
    return bytes;
}

// Dd with a point in each of tree 1's first two talents, spent in one order and the other.
const QString spent12 = QStringLiteral("RB3Dd3jiCe2EAW00000000000000000000000000000000000000000"
                                       "00000000000000071DB1QO");
const QString spent21 = QStringLiteral("RB3Dd3jiCe2EAW00000000000000000000000000000000000000000"
                                       "00000000000000072DB1QP");

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void modesAndExitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString plan = QStringLiteral("@plan");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: runeplan"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Runeplan 3.1.0\n"
                                 << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                        << "Usage: runeplan";
        QTest::newRow("missing value") << QStringList{"--lang"} << 2 << ""
                                       << "Usage: runeplan";
        QTest::newRow("code of nothing") << QStringList{"--code"} << 2 << ""
                                         << "need a plan";
        QTest::newRow("two inputs") << QStringList{"--code", "a", "b"} << 2 << ""
                                    << "Only one";
        QTest::newRow("code of a plan") << QStringList{"--code", plan} << 0 << "RB2Dd"
                                        << "";
        QTest::newRow("not a code") << QStringList{"--code", "hello"} << 1 << ""
                                    << "not a build code";
        QTest::newRow("unknown language") << QStringList{"--lang", "xx", "--code", plan} << 1 << ""
                                          << "unknown language 'xx'";
        QTest::newRow("neither a plan nor a code")
            << QStringList{"--code", "@junk"} << 1 << ""
            << "junk.txt: neither a plan file nor a build code";
        QTest::newRow("summary of a plan")
            << QStringList{"--lang", "en", "--summary", plan} << 0 << "\nLevel 12 \u2014 "
            << "";
        QTest::newRow("picture of a plan") << QStringList{"--picture", "@out", plan} << 0 << ""
                                           << "";
        QTest::newRow("plain picture of a plan")
            << QStringList{"--picture", "@out", "--plain", plan} << 0 << ""
            << "";
        QTest::newRow("plain without a picture")
            << QStringList{"--code", "--plain", plan} << 2 << ""
            << "--plain goes with --picture";
        QTest::newRow("picture where nothing can be written")
            << QStringList{"--picture", "@missing/x.png", plan} << 1 << ""
            << "Cannot write";
        QTest::newRow("scale 3") << QStringList{"--picture", "@out", "--scale", "3", plan} << 2
                                 << ""
                                 << "1 or 2";
        QTest::newRow("two modes") << QStringList{"--code", "--summary", plan} << 2 << ""
                                   << "Only one of";
        // One message and exit code per cause, whatever the mode.
        const QStringList modes[] = {{"--code"}, {"--summary"}, {"--picture", "@out"}};
        for (const QStringList &mode : modes) {
            const QByteArray name = mode.first().toLatin1();
            QTest::addRow("%s: a file holding a code", name.constData())
                << mode + QStringList{"@codefile"} << 0 << ""
                << "";
            QTest::addRow("%s: a folder", name.constData()) << mode + QStringList{"@dir"} << 1 << ""
                                                            << "@dir: a folder, not a plan file";
            QTest::addRow("%s: a missing file", name.constData())
                << mode + QStringList{"none.txt"} << 1 << ""
                << "none.txt: no such file";
            QTest::addRow("%s: a damaged code", name.constData())
                << mode + QStringList{"RB2Dd3jiCe2EAW0!"} << 1 << ""
                << "damaged build code: check the characters";
            QTest::addRow("%s: a garbled last.ini", name.constData())
                << QStringList{"--data", "@garbled"} + mode + QStringList{"@dr"} << 0 << ""
                << "";
            QTest::addRow("%s: no last.ini", name.constData())
                << QStringList{"--data", "@bare"} + mode + QStringList{"@plan"} << 0 << ""
                << "";
            QTest::addRow("%s: a tree folder that cannot be read", name.constData())
                << QStringList{"--data", "@garbled"} + mode + QStringList{plan} << 3 << ""
                << "Dd/1/tal.en: Not a directory";
            QTest::addRow("%s: no strings file", name.constData())
                << QStringList{"--data", "@nostrings"} + mode + QStringList{plan} << 3 << ""
                << "lang.en: No such file";
        }
        QTest::newRow("code of trees that changed since")
            << QStringList{"--data", "@changed", "--code", "@codefile"} << 0 << ""
            << "tree 1, slot 1: 3 -> 0";
        QTest::newRow("picture of a code without the output")
            << QStringList{"--picture", "RB2Dd3jiCe2EAW0"} << 2 << ""
            << "--picture needs an output file";
        QTest::newRow("an option twice")
            << QStringList{"--lang", "en", "--lang", "ru", plan} << 2 << ""
            << "--lang is given twice";
        QTest::newRow("picture to standard output")
            << QStringList{"--picture", "-", plan} << 0 << ""
            << "";
        QTest::newRow("picture into a pipe") << QStringList{"--picture", "@fifo", plan} << 0 << ""
                                             << "";
        QTest::newRow("picture on a full device")
            << QStringList{"--picture", "/dev/full", plan} << 1 << ""
            << "Cannot write file /dev/full: No space left on device";
        QTest::newRow("code on a full output")
            << QStringList{"--code", plan, ">/dev/full"} << 1 << ""
            << "standard output: No space left on device";
        QTest::newRow("no data folder")
            << QStringList{"--data", "@missing", "--code", plan} << 3 << ""
            << "not a folder";
        QTest::newRow("diff: ranks that differ")
            << QStringList{"--lang", "en", "--diff", plan, spent12} << 0
            << "Vesper Flame / Kindled Dusk: 3 -> 1\nVesper Flame / Cinder Whisper: 0 -> 1\n"
               "Points: 3 -> 2\n"
            << "";
        QTest::newRow("diff: equal builds")
            << QStringList{"--diff", spent12, spent12} << 0 << "No differences\n"
            << "";
        QTest::newRow("diff: orders that part")
            << QStringList{"--lang", "en", "--diff", spent12, spent21} << 0
            << "Points: 2 -> 2\nOrders part at level 10: Kindled Dusk / Cinder Whisper\n"
            << "";
        // A plan file's order is only derived from its ranks: it parts from no player's order.
        QTest::newRow("diff: a derived order")
            << QStringList{"--diff", "@two", spent21} << 0 << "No differences\n"
            << "";
        QTest::newRow("diff: two classes") << QStringList{"--diff", plan, "@dr"} << 1 << ""
                                           << "cannot compare builds of two classes";
        QTest::newRow("diff of one build") << QStringList{"--diff", plan} << 2 << ""
                                           << "--diff compares two builds";
        QTest::newRow("diff with another mode")
            << QStringList{"--diff", "--code", plan, plan} << 2 << ""
            << "Only one of";
        // Two builds (newest first, the one without a time at its file's) and a file that is none.
        QTest::newRow("library") << QStringList{"--library", "@library"} << 0
                                 << "fire first\tDd\t2\t2024-05-01T10:00:00Z\n"
                                    "Older\tDd\t2\t2001-02-03T04:05:06Z\n"
                                 << "builds/bad.build: the file is empty\n";
        QTest::newRow("empty library") << QStringList{"--library"} << 0 << ""
                                       << "";
        QTest::newRow("open a name not in the library")
            << QStringList{"--open", "older", "@library"} << 1 << ""
            << "no build named older in the library"; // names match exactly
        QTest::newRow("diff with a scale")
            << QStringList{"--diff", "--scale", "2", plan, plan} << 2 << ""
            << "--scale goes with --picture";
    }
    void modesAndExitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir scratch;
        const auto at = [&](const char *name) {
            return scratch.filePath(QString::fromLatin1(name));
        };
        const QByteArray zeros(44, '0'), trees = zeros + "\r\n" + zeros + "\r\n";
        QVERIFY(writeFile(at("plan.txt"), "0\r\n3" + zeros.mid(1) + "\r\n" + trees));
        QVERIFY(writeFile(at("dr.txt"), "1\r\n" + zeros + "\r\n" + trees));
        QVERIFY(writeFile(at("two.txt"), "0\r\n11" + zeros.mid(2) + "\r\n" + trees));
        QVERIFY(writeFile(at("junk.txt"), "not a plan"));
        QVERIFY(QDir().mkdir(at("folder")));
        QVERIFY(mkfifo(QFile::encodeName(at("fifo")).constData(), 0644) == 0);
        // Dd's first tree folder a file, last.ini not a number; and a folder without last.ini.
        QVERIFY(linkedWorld(at("garbled"), {"last.ini", "Dd"}) &&
                writeFile(at("garbled/last.ini"), "zz"));
        QVERIFY(linkedWorld(at("garbled/Dd"), {"1"}) && writeFile(at("garbled/Dd/1"), "x"));
        QVERIFY(linkedWorld(at("bare"), {"last.ini"}));
        QVERIFY(linkedWorld(at("nostrings"), {"lang.en"}));
        // Dd's first talent without its picture: no longer placed.
        QVERIFY(linkedWorld(at("changed"), {"Dd"}) && linkedWorld(at("changed/Dd"), {"1"}, "Dd") &&
                linkedWorld(at("changed/Dd/1"), {"1.jpg"}, "Dd/1"));
        if (arguments.contains(QStringLiteral("@codefile"))) {
            const Run code = run({QStringLiteral("--code"), at("plan.txt")});
            QVERIFY(writeFile(at("code.txt"), "My build: " + code.out));
        }
        const std::pair<const char *, const char *> places[] = {
            {"@plan", "plan.txt"}, {"@junk", "junk.txt"},       {"@missing", "none"},
            {"@out", "out.png"},   {"@codefile", "code.txt"},   {"@dir", "folder"},
            {"@fifo", "fifo"},     {"@garbled", "garbled"},     {"@bare", "bare"},
            {"@dr", "dr.txt"},     {"@nostrings", "nostrings"}, {"@changed", "changed"},
            {"@two", "two.txt"}};
        for (const auto &[placeholder, name] : places) {
            arguments.replaceInStrings(QString::fromLatin1(placeholder), at(name));
            err.replace(QString::fromLatin1(placeholder), at(name));
        }
        // The player's library, in the data folder every test program has of its own.
        QDir library(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Runeplan/builds"));
        QVERIFY(library.removeRecursively());
        if (arguments.removeAll(QStringLiteral("@library")) > 0) {
            QVERIFY(library.mkpath(QStringLiteral(".")));
            QVERIFY(writeFile(library.filePath("a.build"),
                              "Runeplan build 1\nname: fire\tfirst\ncode: " + spent12.toLatin1() +
                                  "\nsaved: 2024-05-01T10:00:00Z\nnotes:\n"));
            QVERIFY(writeFile(library.filePath("b.build"),
                              "Runeplan build 1\nname: Older\ncode: " + spent21.toLatin1() + "\n"));
            QFile older(library.filePath("b.build"));
            QVERIFY(older.open(QIODevice::ReadWrite) &&
                    older.setFileTime(QDateTime::fromString("2001-02-03T04:05:06Z", Qt::ISODate),
                                      QFileDevice::FileModificationTime));
            QVERIFY(writeFile(library.filePath("bad.build"), ""));
        }
        const QString fifo = at("fifo");
        const bool toFullOutput = arguments.removeAll(QStringLiteral(">/dev/full")) > 0;
        Run result;
        const auto work = [&] { result = run(arguments, toFullOutput ? "/dev/full" : ""); };
        const QByteArray piped = arguments.contains(fifo) ? readFromPipe(fifo, work) : (work(), "");
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.out.contains(out.toUtf8()), result.out.constData());
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
        if ((arguments.contains(QStringLiteral("--diff")) ||
             arguments.contains(QStringLiteral("--library"))) &&
            exitCode == 0)
            QCOMPARE(result.out, out.toUtf8()); // every line of it, and no more
        if (arguments.contains(QStringLiteral("--picture")) && exitCode == 0) {
            // A PNG of the three trees, 910 by 721, with the band under them unless plain: its
            // header says so. A pipe stays a pipe.
            QByteArray head = result.out.left(24);
            if (arguments.contains(fifo))
                head = piped.left(24);
            else if (!arguments.contains(QStringLiteral("-"))) {
                QFile png(at("out.png"));
                QVERIFY(png.open(QIODevice::ReadOnly));
                head = png.read(24);
            }
            QVERIFY(head.startsWith("\x89PNG"));
            QCOMPARE(qFromBigEndian<quint32>(head.constData() + 16), 910u);
            const quint32 height = qFromBigEndian<quint32>(head.constData() + 20);
            if (arguments.contains(QStringLiteral("--plain")))
                QCOMPARE(height, 721u);
            else
                QVERIFY2(height > 721u + 20u && height < 721u + 80u,
                         qPrintable(QString::number(height)));
        }
        QVERIFY(!QFileInfo(fifo).isFile());
        QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
        if (exitCode == 0 && out.startsWith(QStringLiteral("RB"))) {
            // The printed code gives the same code back.
            const Run again =
                run({QStringLiteral("--code"), QString::fromLatin1(result.out.trimmed())});
            QCOMPARE(again.exitCode, 0);
            QCOMPARE(again.out, result.out);
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
