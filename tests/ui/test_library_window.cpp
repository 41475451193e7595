// The library of builds through the window: the board kept under a name and back to it, the
// caption that names it, and the dialog's filter, notes, rename, delete and undo, open and compare.
#include "board_driver.h"
#include "build/comparison.h"
#include "build/library_document.h"
#include "standard_window_test.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
constexpr auto CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

// The names the open library dialog lists, in its order, the hidden ones left out.
QStringList listed(const QDialog &dialog)
{
    const auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("lv_library"));
    QStringList names;
    for (int k = 0; k < list->topLevelItemCount(); ++k) {
        if (!list->topLevelItem(k)->isHidden())
            names << list->topLevelItem(k)->text(0);
    }
    return names;
}

// Ctrl+L on the window, active again after the last dialog.
void openLibrary(MainWindow &w)
{
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
}

void click(const QDialog &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(QLatin1String(button))->click();
}
} // namespace

class TestLibraryWindow : public StandardWindowTest {
    Q_OBJECT
private slots:
    void init()
    {
        QDir(libraryFolder()).removeRecursively();
        openFreshWindow();
        w_.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.window.get()));
    }

    void theBoardIsKeptUnderItsName()
    {
        MainWindow &w = *w_.window;
        const QString version = w.windowTitle();
        pressTalentTimes(w, 1, 1, 2);
        // Not from the library yet: the key asks a name, the class and level suggested.
        w_.dialogs.textAnswers = {QStringLiteral("Frost: glass cannon")};
        QTest::keyClick(&w, Qt::Key_S, CtrlShift);
        QCOMPARE(w_.dialogs.questions.value(0),
                 QStringLiteral("Save the board as\u2026|en class 0 11"));
        QCOMPARE(w.windowTitle(), version + QStringLiteral(" - Frost: glass cannon"));
        QVERIFY(QFileInfo::exists(libraryFolder() + QStringLiteral("/Frost_ glass cannon.build")));
        pressTalent(w, 1, 1);
        QCOMPARE(w.windowTitle(), version + QStringLiteral(" - Frost: glass cannon*"));
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.windowTitle(), version + QStringLiteral(" - Frost: glass cannon"));
        // Again, the key keeps the board in its library build without asking.
        pressTalent(w, 1, 1);
        QTest::keyClick(&w, Qt::Key_S, CtrlShift);
        QCOMPARE(w_.dialogs.questions.size(), 1);
        QVERIFY(!w.windowTitle().endsWith(u'*'));
        // Under a name the library has, only when the player says so.
        w_.dialogs.textAnswers = {QStringLiteral("Frost: glass cannon")};
        w_.dialogs.confirmAnswers = {false};
        pressTalent(w, 1, 1);
        Library kept(libraryFolder(), 10);
        const QString code = kept.entries().value(0).build->code;
        w_.dialogs.whileModal = [](QDialog *d) { click(*d, "bt_librarySave"); };
        openLibrary(w);
        kept.reload();
        QCOMPARE(kept.entries().size(), 1);
        QCOMPARE(kept.entries()[0].build->code, code);
    }

    void theDialogFiltersKeepsNotesRenamesDeletesAndOpens()
    {
        MainWindow &w = *w_.window;
        for (const char *name : {"Levelling", "End game", "Friend's"}) {
            pressTalent(w, 1, 1);
            w_.dialogs.textAnswers = {QLatin1String(name)};
            w_.dialogs.whileModal = [](QDialog *d) { click(*d, "bt_librarySave"); };
            openLibrary(w);
            QTest::qWait(1100); // a second apart: newest first by the saved time
        }
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
        const int steps = w.build().history().count();
        w_.dialogs.whileModal = [&](QDialog *d) {
            QCOMPARE(listed(*d), (QStringList{"Friend's", "End game", "Levelling"}));
            auto *filter = d->findChild<QLineEdit *>(QStringLiteral("ed_libraryFilter"));
            QCOMPARE(d->focusWidget(), filter);
            QTest::keyClicks(filter, QStringLiteral("GAME"));
            QCOMPARE(listed(*d), QStringList{"End game"});
            d->findChild<QPlainTextEdit *>(QStringLiteral("ed_notes"))
                ->setPlainText(QStringLiteral("for raids\nsecond line"));
            filter->clear();
            // Delete and its undo; a rename.
            auto *list = d->findChild<QTreeWidget *>(QStringLiteral("lv_library"));
            list->setCurrentItem(list->topLevelItem(2));
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(listed(*d), (QStringList{"Friend's", "End game"}));
            click(*d, "bt_libraryUndoDelete");
            QCOMPARE(listed(*d).size(), 3);
            w_.dialogs.textAnswers = {QStringLiteral("Raids")};
            list->setCurrentItem(list->findItems(QStringLiteral("End game"), Qt::MatchExactly)[0]);
            click(*d, "bt_libraryRename");
            QCOMPARE(listed(*d), (QStringList{"Friend's", "Raids", "Levelling"}));
            QCOMPARE(list->currentItem()->text(4), QStringLiteral("for raids"));
            QTest::keyClick(list, Qt::Key_Return);
        };
        openLibrary(w);
        // Opened as one step of the board's history, named in the caption.
        QCOMPARE(w.build().history().count(), steps + 1);
        QCOMPARE(w.talents().at(1, 1).rank, 2);
        QVERIFY(w.windowTitle().endsWith(QStringLiteral(" - Raids")));

        // Compared with a library build instead of opened.
        pressTalent(w, 1, 1);
        w_.dialogs.whileModal = [](QDialog *d) {
            auto *list = d->findChild<QTreeWidget *>(QStringLiteral("lv_library"));
            list->setCurrentItem(list->topLevelItem(2));
            click(*d, "bt_libraryChoose");
        };
        w.findChild<QAction *>(QStringLiteral("compareLibraryAction"))->trigger();
        QVERIFY(w.comparison().active());
        QCOMPARE(w.board().cell(1, 1).badge, 2);
        QVERIFY(w_.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestLibraryWindow)
#include "test_library_window.moc"
