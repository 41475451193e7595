// One planner per user and data folder: a second start of the program hands its argument to the
// window listening in this test, after a planner that left its socket behind or none at all.
#include "board_driver.h"
#include "cli/planner_channel.h"
#include "handover/hand_over_client.h"
#include "handover/hand_over_server.h"
#include "standard_window_test.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// What a planner killed while listening leaves: a socket file nobody listens on.
void leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
    ::close(fd);
}

} // namespace

class TestHandOver : public StandardWindowTest {
    Q_OBJECT
private slots:
    void aSecondStartHandsItsCodeToTheWindow_data()
    {
        QTest::addColumn<bool>("staleSocket");
        QTest::addColumn<bool>("modalOpen");
        QTest::newRow("first start") << false << false;
        QTest::newRow("after a crash") << true << false;
        QTest::newRow("while a modal dialog is open") << false << true;
    }

    void aSecondStartHandsItsCodeToTheWindow()
    {
        QFETCH(bool, staleSocket);
        QFETCH(bool, modalOpen);
        MainWindow &w = *w_.window;
        const QString data = QDir(world_.exeDir()).filePath(QStringLiteral("datas"));
        const QString channel = plannerChannelName(data);
        QVERIFY(channel.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
        if (staleSocket) {
            leaveStaleSocket(channel);
            QElapsedTimer clock;
            clock.start();
            QVERIFY(!handOverToRunningPlanner(channel, QStringLiteral("x")));
            QVERIFY(clock.elapsed() < 500);
        }
        HandOverServer server(channel);
        QVERIFY2(server.listen(), qPrintable(server.errorString()));
        connect(&server, &HandOverServer::arrived, &w, &MainWindow::takeHandOver);

        pressTalentTimes(w, 1, 1, 5);
        const BoardState wanted = w.build().state();
        const QString code = w.build().code();
        resetButton(w)->click();
        const BoardState before = w.build().state();
        QDialog modal(&w);
        modal.setModal(true);
        if (modalOpen)
            modal.show();

        QProcess second;
        QSignalSpy finished(&second, &QProcess::finished);
        second.start(QStringLiteral(RUNEPLAN_PROGRAM),
                     {QStringLiteral("--data"), data, u"runeplan://" + code});
        QVERIFY(finished.wait(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        if (modalOpen) {
            QTest::qWait(300);
            QVERIFY(w.build().state() == before);
            modal.close();
        }
        QTRY_VERIFY(w.build().state() == wanted);
        undoButton(w)->click(); // one step
        QVERIFY(w.build().state() == before);
        QVERIFY2(w_.dialogs.messages.isEmpty(), qPrintable(w_.dialogs.messages.value(0).text));
    }
};

QTEST_MAIN(TestHandOver)
#include "test_hand_over.moc"
