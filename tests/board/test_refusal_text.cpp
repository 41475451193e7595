// Why a press changes nothing, in the words the message line shows.
#include "../talents/talent_layout.h"
#include "board/refusal_text.h"

#include <QTest>

class TestRefusalText : public QObject {
    Q_OBJECT
private slots:
    void reasons_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("ranks");
        QTest::addColumn<int>("spentElsewhere"); // points of the other trees
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("reason");
        const int left = int(PressButton::Left);
        const int right = int(PressButton::Right);
        QTest::newRow("open") << "1:5"
                              << "" << 0 << 1 << left << "";
        QTest::newRow("row without its points")
            << "1:5 9:3"
            << "1=3" << 0 << 9 << left << "Row 3 needs 10 points above";
        QTest::newRow("prerequisite short of full")
            << "1:5 2:5 5:3:2"
            << "1=5 2=4" << 0 << 5 << left << "Needs Talent 2 at 5/5";
        QTest::newRow("full") << "1:5"
                              << "1=5" << 0 << 1 << left << "Already at full rank";
        QTest::newRow("budget spent") << "1:5"
                                      << "1=1" << 70 << 1 << left << "No points left";
        QTest::newRow("full at the budget") << "1:5"
                                            << "1=5" << 66 << 1 << left << "Already at full rank";
        QTest::newRow("refund") << "1:5 2:5 5:3"
                                << "1=5 2=1 5=1" << 0 << 2 << right << "";
        QTest::newRow("refund without points") << "1:5"
                                               << "" << 0 << 1 << right << "";
        QTest::newRow("refund needed in its row")
            << "1:5 2:3:1"
            << "1=5 2=1" << 0 << 1 << right << "Talent 2 holds points that need it";
        QTest::newRow("refund needed below")
            << "1:5 2:5 5:3:2"
            << "1=5 2=5 5=1" << 0 << 2 << right << "Talent 5 holds points that need it";
        QTest::newRow("refund a row needs")
            << "1:5 5:3"
            << "1=5 5=1" << 0 << 1 << right << "Row 2 needs 5 points above";
        QTest::newRow("middle press") << "1:5"
                                      << "1=5" << 0 << 1 << int(PressButton::Middle) << "";
        QTest::newRow("not placed") << "~1:5"
                                    << "" << 0 << 1 << left << "";
    }
    void reasons()
    {
        QFETCH(QString, layout);
        QFETCH(QString, ranks);
        QFETCH(int, spentElsewhere);
        QFETCH(int, slot);
        QFETCH(int, button);
        QFETCH(QString, reason);
        TalentTable table = makeTable(layout, ranks);
        table.totalPoints += spentElsewhere;
        const RefusalWords words{
            QStringLiteral("Row %1 needs %2 points above"), QStringLiteral("Needs %1 at %2/%2"),
            QStringLiteral("No points left"), QStringLiteral("Already at full rank"),
            QStringLiteral("%1 holds points that need it")};
        QCOMPARE(refusalText(table, slot, 1, PressButton(button), words), reason);
    }
};

QTEST_GUILESS_MAIN(TestRefusalText)
#include "test_refusal_text.moc"
