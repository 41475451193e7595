// Build codes in the window: copied and pasted as one step of the history, dropped on the window,
// found in a longer text, and loaded by slot with a report when the class's trees changed.
#include "board_driver.h"
#include "build/plan_file.h"
#include "standard_window_test.h"
#include "talents/build_code.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUndoStack>

namespace {

void paste(MainWindow &w, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    pasteButton(w)->click();
}

void drop(MainWindow &w, QMimeData &data)
{
    QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QDropEvent event(QPointF(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

} // namespace

class TestBuildCodes : public StandardWindowTest {
    Q_OBJECT
private slots:
    void aCopiedCodeComesBackAsOneStep()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 5);
        pressTalentTimes(w, 5, 1, 2);
        pressTalentTimes(w, 1, 3, 4);
        const QByteArray plan = formatPlan(0, w.talents());
        copyButton(w)->click();
        const QString code = QGuiApplication::clipboard()->text();
        QVERIFY(code.startsWith(QStringLiteral("RB")));
        resetButton(w)->click();
        const int steps = w.build().history().count();
        // In a chat line, broken over two lines, with words after it.
        paste(w, QStringLiteral("try this: ") + code.left(30) + QStringLiteral("\n ") +
                     code.mid(30) + QStringLiteral(" - good luck"));
        QVERIFY2(w_.dialogs.messages.isEmpty(), qPrintable(w_.dialogs.messages.value(0).text));
        QCOMPARE(formatPlan(0, w.talents()), plan);
        QCOMPARE(w.build().history().count(), steps + 1);
        undoButton(w)->click();
        QCOMPARE(w.talents().totalPoints, 0);
        // Dropped as a text, then as a plan file.
        QMimeData text;
        text.setText(code);
        drop(w, text);
        QVERIFY2(w_.dialogs.messages.isEmpty(), qPrintable(w_.dialogs.messages.value(0).text));
        QCOMPARE(formatPlan(0, w.talents()), plan);
        const QString path = QDir(world_.exeDir()).filePath(QStringLiteral("dropped.plan"));
        writePlanFile(path, plan);
        resetButton(w)->click();
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(path)});
        drop(w, file);
        QCOMPARE(formatPlan(0, w.talents()), plan);
        QVERIFY(w_.dialogs.messages.isEmpty());
    }

    void aCodeOfChangedTreesLoadsBySlotAndSaysWhat()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 5); // 5 ranks; the changed tree gives it 3
        pressTalentTimes(w, 2, 1, 3); // its place is left empty
        pressTalentTimes(w, 5, 1, 2); // row 2 needs 5 points above: it falls with them
        pressTalentTimes(w, 1, 2, 1);
        copyButton(w)->click();
        const QString code = QGuiApplication::clipboard()->text();
        QVector<FixtureTree> trees = FixtureWorld::standardClass();
        trees[0].talents[0].maxRank = 3;
        trees[0].talents.removeAt(1);
        world_.writeTree(QStringLiteral("Dd"), 1, trees[0]);
        resetButton(w)->click();
        const int steps = w.build().history().count();
        paste(w, code);
        QCOMPARE(w_.dialogs.messages.size(), 1);
        const QStringList lines = w_.dialogs.messages[0].text.split(u'\n');
        QCOMPARE(
            lines,
            (QStringList{QStringLiteral("The trees of this class changed; ranks are kept by slot"),
                         QStringLiteral("en talent 1-1: 5 \u2192 3 (maximum is now 3)"),
                         QStringLiteral("Tree 1, slot 2: 3 \u2192 0 (no talent there now)"),
                         QStringLiteral("en talent 1-5: 2 \u2192 0 (its requirements are no "
                                        "longer met)"),
                         QStringLiteral("The order of points could not be kept; it is derived "
                                        "from the ranks")}));
        QCOMPARE(w.talents().at(1, 1).rank, 3);
        QCOMPARE(w.talents().at(5, 1).rank, 0);
        QCOMPARE(w.talents().at(1, 2).rank, 1);
        QCOMPARE(w.build().history().count(), steps + 1);
        undoButton(w)->click();
        QCOMPARE(w.talents().totalPoints, 0);
        world_.writeStandardClass();
    }
};

QTEST_MAIN(TestBuildCodes)
#include "test_build_codes.moc"
