// Which talents a search finds: every typed word, in the name or the rank texts, whatever the case
// and accents.
#include "board/talent_search.h"

#include <QTest>

class TestTalentSearch : public QObject {
    Q_OBJECT

private slots:
    void matching_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        // The talent: "Ember Ward", rank texts "Fire damage taken<br /><br />is reduced by 5%."
        // and "Огненный щит: урон снижен на 10%. Ёлка".
        QTest::newRow("nothing typed") << "   " << true;
        QTest::newRow("part of the name") << "mber" << true;
        QTest::newRow("other case") << "EMBER ward" << true;
        QTest::newRow("two words in different texts") << "ward 10%" << true;
        QTest::newRow("two words, one missing") << "ward frost" << false;
        QTest::newRow("accents typed, none in the text") << "émber" << true;
        QTest::newRow("Cyrillic, other case") << "ОГНЕННЫЙ" << true;
        QTest::newRow("ё typed as е") << "елка" << true;
        QTest::newRow("е found where ё stands") << "ёлка" << true;
        QTest::newRow("a line break mark is no word") << "br" << false;
        QTest::newRow("words across a line break") << "taken is" << true;
    }
    void matching()
    {
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        Talent talent;
        talent.name = QStringLiteral("Ember Ward");
        talent.maxRank = 2;
        talent.rankText[1] = QStringLiteral("Fire damage taken<br /><br />is reduced by 5%.");
        talent.rankText[2] = QStringLiteral("Огненный щит: урон снижен на 10%. Ёлка");
        talent.rankText[3] = QStringLiteral("beyond the maximum rank: never searched");
        QCOMPARE(containsAllWords(searchableText(talent), searchWords(typed)), matches);
        QVERIFY(!containsAllWords(searchableText(talent), searchWords("never searched")));
    }
};

QTEST_GUILESS_MAIN(TestTalentSearch)
#include "test_talent_search.moc"
