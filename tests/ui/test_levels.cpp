// The board at any level of its build through the window, and steps moved in the summary.
#include "board_driver.h"
#include "build/level_view.h"
#include "standard_window_test.h"
#include "toolkit/label_control.h"
#include "toolkit/message_line.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWheelEvent>

class TestLevels : public StandardWindowTest {
    Q_OBJECT
private slots:
    void theKeysAndTheWheelShowEarlierLevels()
    {
        MainWindow &w = *w_.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        pressTalentTimes(w, 1, 1, 5);
        pressTalent(w, 5, 1);
        const auto *line = control<MessageLine>(w, "lb_msg");
        auto *level = control<LabelControl>(w, "lb_lvl");
        const auto wheel = [&](int turn) {
            QWheelEvent event(QPointF(5, 5), level->mapToGlobal(QPointF(5, 5)), {}, {0, turn},
                              Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(level, &event);
        };
        QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(line->message(), QStringLiteral("Level 14 of 15"));
        QCOMPARE(w.board().cell(5, 1).drawnRank, 0);
        QCOMPARE(level->text(), QStringLiteral("en:15: 14"));
        // The next step's talent framed in white, the rest of its icon as drawn.
        QImage shown(w.board().size(), QImage::Format_RGB32);
        boardOf(w)->render(&shown);
        const QRect next = w.board().cell(5, 1).icon;
        QCOMPARE(shown.pixelColor(next.left() + 1, next.center().y()), QColor(Qt::white));
        QVERIFY(shown.pixelColor(next.center()) != QColor(Qt::white));

        QTest::keyClick(&w, Qt::Key_Home, Qt::AltModifier);
        QCOMPARE(line->message(), QStringLiteral("Level 9 of 15"));
        QCOMPARE(w.board().cell(1, 1).drawnRank, 0);
        wheel(120);
        QCOMPARE(line->message(), QStringLiteral("Level 10 of 15"));
        QCOMPARE(w.board().cell(1, 1).drawnRank, 1);
        wheel(-120);
        wheel(-120); // no level before the first
        QCOMPARE(line->message(), QStringLiteral("Level 9 of 15"));
        QTest::keyClick(&w, Qt::Key_End, Qt::AltModifier);
        QCOMPARE(line->message(), QString());
        QCOMPARE(w.board().cell(5, 1).drawnRank, 1);

        // A press returns to the whole build and acts on it.
        QTest::keyClick(&w, Qt::Key_Home, Qt::AltModifier);
        pressTalent(w, 5, 1);
        QVERIFY(w.levels().atEnd());
        QCOMPARE(w.build().talents().at(5, 1).rank, 2);
        QCOMPARE(w.board().cell(1, 1).drawnRank, 5);
        QCOMPARE(line->message(), QString());
    }

    void theSummaryMovesSteps()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 5);
        pressTalent(w, 5, 1);
        pressTalent(w, 2, 1);
        QStringList refusals;
        QString text;
        w_.dialogs.whileModal = [&](QDialog *summary) {
            auto *steps = summary->findChild<QListWidget *>(QStringLiteral("summarySteps"));
            const auto *refusal = summary->findChild<QLabel *>(QStringLiteral("stepRefusal"));
            QCOMPARE(steps->count(), 7);
            steps->setCurrentRow(5);
            QTest::keyClick(steps, Qt::Key_Up, Qt::AltModifier);
            refusals << refusal->text();
            steps->setCurrentRow(6);
            QTest::keyClick(steps, Qt::Key_Up, Qt::AltModifier);
            refusals << refusal->text();
            QCOMPARE(steps->currentRow(), 5);
            QCOMPARE(steps->item(5)->text(), QStringLiteral("Level 15 \u2014 en talent 1-2 1/3"));
            text =
                summary->findChild<QPlainTextEdit *>(QStringLiteral("summaryText"))->toPlainText();
            // Undo reaches the build from the summary: the move goes back.
            QTest::keyClick(steps, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(steps->item(5)->text(), QStringLiteral("Level 15 \u2014 en talent 1-5 1/3"));
        };
        control<FlatButton>(w, "bt_summary")->click();
        QCOMPARE(refusals, (QStringList{QStringLiteral("Level 14 \u2014 en talent 1-5 would "
                                                       "break: Row 2 needs 5 points above"),
                                        QString()}));
        QVERIFY(text.contains(QStringLiteral("Level 16 \u2014 en talent 1-5 1/3")));
        QCOMPARE(w.build().order().at(5), QPoint(5, 1));
    }
};

QTEST_MAIN(TestLevels)
#include "test_levels.moc"
