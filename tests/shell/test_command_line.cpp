// The program's command line, run as a user runs it: the grammar, the exit codes and the modes
// that need no display.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// The program with no display at all: a mode that made a window would fail to start.
Run run(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RUNEPLAN_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

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
        QTest::newRow("not a plan file") << QStringList{"--code", "@junk"} << 1 << ""
                                         << "line 1:";
        QTest::newRow("summary of a plan")
            << QStringList{"--lang", "en", "--summary", plan} << 0 << "\nLevel 12 \u2014 "
            << "";
        QTest::newRow("picture of a plan") << QStringList{"--picture", "@out", plan} << 0 << ""
                                           << "";
        QTest::newRow("picture where nothing can be written")
            << QStringList{"--picture", "@missing/x.png", plan} << 1 << ""
            << "Cannot write";
        QTest::newRow("scale 3") << QStringList{"--picture", "@out", "--scale", "3", plan} << 2
                                 << ""
                                 << "1 or 2";
        QTest::newRow("two modes") << QStringList{"--code", "--summary", plan} << 2 << ""
                                   << "Only one of";
        QTest::newRow("no data folder")
            << QStringList{"--data", "@missing", "--code", plan} << 3 << ""
            << "not a folder";
    }
    void modesAndExitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir scratch;
        QFile plan(scratch.filePath(QStringLiteral("plan.txt")));
        QVERIFY(plan.open(QIODevice::WriteOnly));
        const QByteArray zeros(44, '0');
        plan.write("0\r\n3" + zeros.mid(1) + "\r\n" + zeros + "\r\n" + zeros + "\r\n");
        plan.close();
        QFile junk(scratch.filePath(QStringLiteral("junk.txt")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a plan");
        junk.close();
        for (QString &a : arguments) {
            a.replace(QStringLiteral("@plan"), plan.fileName());
            a.replace(QStringLiteral("@junk"), junk.fileName());
            a.replace(QStringLiteral("@missing"), scratch.filePath(QStringLiteral("none")));
            a.replace(QStringLiteral("@out"), scratch.filePath(QStringLiteral("out.png")));
        }
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.out.contains(out), qPrintable(result.out));
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
        if (arguments.first() == QStringLiteral("--picture") && exitCode == 0) {
            // A PNG of the three trees, 910 by 721: its header says so.
            QFile png(scratch.filePath(QStringLiteral("out.png")));
            QVERIFY(png.open(QIODevice::ReadOnly));
            const QByteArray head = png.read(24);
            QVERIFY(head.startsWith("\x89PNG"));
            QCOMPARE(qFromBigEndian<quint32>(head.constData() + 16), 910u);
            QCOMPARE(qFromBigEndian<quint32>(head.constData() + 20), 721u);
        }
        if (exitCode == 0 && out.startsWith(QStringLiteral("RB"))) {
            // The printed code gives the same code back.
            const Run again = run({QStringLiteral("--code"), result.out.trimmed()});
            QCOMPARE(again.exitCode, 0);
            QCOMPARE(again.out, result.out);
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
