#include "board/rank_look.h"

#include <QTest>

// The colour and text of a talent's rank label.
class TestRankLook : public QObject {
    Q_OBJECT

private slots:
    void rankLook_data();
    void rankLook();
};

void TestRankLook::rankLook_data()
{
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("maxRank");
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("totalPoints");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("open, nothing spent") << 0 << 5 << true << 0 << "0/5" << RankGreen;
    QTest::newRow("open, one point left") << 3 << 5 << true << 70 << "3/5" << RankGreen;
    QTest::newRow("open, budget spent") << 3 << 5 << true << 71 << "3/5" << RankWhite;
    QTest::newRow("open, over budget") << 2 << 3 << true << 72 << "2/3" << RankWhite;
    QTest::newRow("closed") << 0 << 5 << false << 0 << "0/5" << RankWhite;
    QTest::newRow("closed with points") << 2 << 5 << false << 30 << "2/5" << RankWhite;
    QTest::newRow("full rank, open") << 5 << 5 << true << 10 << "5/5" << RankGold;
    QTest::newRow("full rank, closed") << 5 << 5 << false << 10 << "5/5" << RankGold;
    QTest::newRow("full rank, budget spent") << 3 << 3 << true << 71 << "3/3" << RankGold;
    QTest::newRow("full single rank, closed, spent") << 1 << 1 << false << 71 << "1/1" << RankGold;
}

void TestRankLook::rankLook()
{
    QFETCH(int, rank);
    QFETCH(int, maxRank);
    QFETCH(bool, available);
    QFETCH(int, totalPoints);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    Talent talent;
    talent.rank = rank;
    talent.maxRank = maxRank;
    talent.available = available;
    talent.present = true;

    const RankLook look = ::rankLook(talent, totalPoints);
    QCOMPARE(look.text, text);
    QCOMPARE(look.colour, colour);
}

QTEST_MAIN(TestRankLook)
#include "test_rank_look.moc"
