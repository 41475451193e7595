// The channel's messages as the running planner reads them: what it takes, what it waits for and
// what it refuses of whatever anyone who can reach the socket sends.
#include "base/error.h"
#include "handover/hand_over_message.h"

#include <QTest>

class TestHandOverMessage : public QObject {
    Q_OBJECT
private slots:
    void bytesAreTakenAwaitedOrRefused_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QString>("outcome"); // the argument, "(wait)" or "(refused)"
        const QByteArray code = "runeplan:RB2Hu...";
        const QByteArray message = handOverMessage(QString::fromLatin1(code));
        const QString refused = QStringLiteral("(refused)"), wait = QStringLiteral("(wait)");
        QTest::newRow("a code") << message << QString::fromLatin1(code);
        QTest::newRow("nothing: to the front") << handOverMessage({}) << QString();
        QTest::newRow("Cyrillic path") << handOverMessage(u"/дом/план"_qs) << u"/дом/план"_qs;
        QTest::newRow("the longest")
            << handOverMessage(QString(HandOverLimit, u'x')) << QString(HandOverLimit, u'x');
        QTest::newRow("nothing yet") << QByteArray() << wait;
        QTest::newRow("half a header") << message.left(10) << wait;
        QTest::newRow("half the text") << message.chopped(4) << wait;
        QTest::newRow("another program") << QByteArray("GET / HTTP/1.1\r\n") << refused;
        QTest::newRow("another version") << QByteArray("runeplan-hand-over 2 0\n") << refused;
        QTest::newRow("over the limit") << QByteArray("runeplan-hand-over 1 65537\n") << refused;
        QTest::newRow("endless length") << QByteArray("runeplan-hand-over 1 000000") << refused;
        QTest::newRow("a sign") << QByteArray("runeplan-hand-over 1 -1\n") << refused;
        QTest::newRow("no length") << QByteArray("runeplan-hand-over 1 \n") << refused;
        QTest::newRow("more than announced") << message + 'x' << refused;
        QTest::newRow("a NUL") << QByteArray("runeplan-hand-over 1 3\na\0b", 26) << refused;
        QTest::newRow("not UTF-8") << QByteArray("runeplan-hand-over 1 2\n\xd0\x28") << refused;
    }

    void bytesAreTakenAwaitedOrRefused()
    {
        QFETCH(QByteArray, received);
        QFETCH(QString, outcome);
        try {
            const auto argument = readHandOver(received);
            QCOMPARE(argument.value_or(QStringLiteral("(wait)")), outcome);
        } catch (const Error &) {
            QCOMPARE(QStringLiteral("(refused)"), outcome);
        }
    }
};

QTEST_APPLESS_MAIN(TestHandOverMessage)
#include "test_hand_over_message.moc"
