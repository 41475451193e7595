#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

// The start-up report that scripts/measure-startup.sh reads: the program, run on the bundled
// world, says when its first frame was painted and, when asked, ends right after.
class TestFirstFrame : public QObject {
    Q_OBJECT

private slots:
    void reportsTheFirstFrameWhenAsked_data();
    void reportsTheFirstFrameWhenAsked();
};

namespace {

const QRegularExpression
    ReportLine(QStringLiteral("^first frame: (\\d+\\.\\d) ms after process start$"),
               QRegularExpression::MultilineOption);

} // namespace

void TestFirstFrame::reportsTheFirstFrameWhenAsked_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("quit");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<bool>("ends");

    QTest::newRow("report, then end") << "1"
                                      << "1" << true << true;
    QTest::newRow("report, then go on") << "1"
                                        << "" << true << false;
    QTest::newRow("neither") << ""
                             << "" << false << false;
    // Ending is part of the report: without it the program goes on as usual.
    QTest::newRow("end alone") << ""
                               << "1" << false << false;
    QTest::newRow("other values") << "yes"
                                  << "1" << false << false;
}

void TestFirstFrame::reportsTheFirstFrameWhenAsked()
{
    QFETCH(QString, report);
    QFETCH(QString, quit);
    QFETCH(bool, reported);
    QFETCH(bool, ends);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("RUNEPLAN_REPORT_FIRST_FRAME"), report);
    env.insert(QStringLiteral("RUNEPLAN_QUIT_AFTER_FIRST_FRAME"), quit);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(RUNEPLAN_PROGRAM), {});
    QVERIFY(program.waitForStarted());

    // Generous waits for a start on a busy machine; a program that must go on is watched for a
    // while after its report (or its start), then stopped.
    QString output;
    if (reported) {
        while (!ReportLine.match(output).hasMatch() && program.waitForReadyRead(30000))
            output += QString::fromLocal8Bit(program.readAllStandardOutput());
    }
    const bool ended = program.waitForFinished(ends ? 30000 : 1500);
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    output += QString::fromLocal8Bit(program.readAllStandardOutput());
    QCOMPARE(ended, ends);
    if (ends) {
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
    const QRegularExpressionMatch line = ReportLine.match(output);
    QVERIFY2(line.hasMatch() == reported, qPrintable(output));
    if (reported) {
        const double milliseconds = line.captured(1).toDouble();
        QVERIFY2(milliseconds > 0 && milliseconds < 60000, qPrintable(output));
        QCOMPARE(output.count(QStringLiteral("first frame")), 1);
    }
}

QTEST_MAIN(TestFirstFrame)
#include "test_first_frame.moc"
