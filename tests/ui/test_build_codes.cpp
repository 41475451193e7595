// Build codes through the window: Copy code and Paste code, a code or a plan file dropped on the
// window, and the report of a code whose class's trees changed shown in a box.
#include "board_driver.h"
#include "build/plan_file.h"
#include "standard_window_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

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
    void aCodeComesBackByClipboardOrDrop()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 5);
        pressTalentTimes(w, 1, 3, 4);
        const BoardState board = w.build().state();
        copyButton(w)->click();
        const QString code = QGuiApplication::clipboard()->text();
        QCOMPARE(code, w.build().code());
        resetButton(w)->click();
        pasteButton(w)->click();
        QVERIFY(w.build().state() == board);
        // Dropped as a text, then as a plan file.
        resetButton(w)->click();
        QMimeData text;
        text.setText(code);
        drop(w, text);
        QVERIFY(w.build().state() == board);
        const QByteArray plan = formatPlan(0, w.talents());
        const QString path = QDir(world_.exeDir()).filePath(QStringLiteral("dropped.plan"));
        writePlanFile(path, plan);
        resetButton(w)->click();
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(path)});
        drop(w, file);
        QCOMPARE(formatPlan(0, w.talents()), plan);
        QVERIFY2(w_.dialogs.messages.isEmpty(), qPrintable(w_.dialogs.messages.value(0).text));
    }

    void aCodeOfChangedTreesIsReportedInABox()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 1, 1, 5);
        copyButton(w)->click();
        QVector<FixtureTree> trees = FixtureWorld::standardClass();
        trees[0].talents[0].maxRank = 3;
        world_.writeTree(QStringLiteral("Dd"), 1, trees[0]);
        pasteButton(w)->click();
        QCOMPARE(w_.dialogs.messages.size(), 1);
        QVERIFY(w_.dialogs.messages[0].text.contains(QStringLiteral("5 \u2192 3")));
        QCOMPARE(w.board().cell(1, 1).rank.text, QStringLiteral("3/3"));
        world_.writeStandardClass();
    }
};

QTEST_MAIN(TestBuildCodes)
#include "test_build_codes.moc"
