// The window while a handler works: shown disabled behind a dialog of the work, taking input
// again when the work ends however it ends, and never disabled control by control for work that
// runs no dialog (nothing would show it, and a screen reader would hear every control change).
#include "board_driver.h"
#include "standard_window_test.h"
#include "toolkit/choice_box.h"
#include "toolkit/flat_button.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

// Counts the enabled-state changes of the controls of one window.
class EnabledChangeCounter final : public QObject {
public:
    explicit EnabledChangeCounter(QWidget *window) : window_(window)
    {
        qApp->installEventFilter(this);
    }
    ~EnabledChangeCounter() override { qApp->removeEventFilter(this); }
    EnabledChangeCounter(const EnabledChangeCounter &) = delete;
    EnabledChangeCounter &operator=(const EnabledChangeCounter &) = delete;

    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->window() == window_)
                ++count;
        }
        return false;
    }

private:
    QWidget *window_;
};

enum class Work { SaveCancelled, Save, LoadCancelled, Load, LoadBroken, SaveNowhere };

} // namespace

Q_DECLARE_METATYPE(Work)

class TestBusyWindow : public StandardWindowTest {
    Q_OBJECT
private:
    QTemporaryDir plans_;
    QString planPath(const QString &name) const { return QDir(plans_.path()).filePath(name); }

private slots:
    void disabledBehindTheDialogsOfItsWork_data();
    void disabledBehindTheDialogsOfItsWork();
    void workWithoutADialogLeavesEveryControlAlone_data();
    void workWithoutADialogLeavesEveryControlAlone();
};

void TestBusyWindow::disabledBehindTheDialogsOfItsWork_data()
{
    QTest::addColumn<Work>("work");
    QTest::addColumn<int>("errors");

    QTest::newRow("save, cancelled") << Work::SaveCancelled << 0;
    QTest::newRow("save") << Work::Save << 0;
    QTest::newRow("save where no folder is") << Work::SaveNowhere << 1;
    QTest::newRow("load, cancelled") << Work::LoadCancelled << 0;
    QTest::newRow("load of a plan") << Work::Load << 0;
    QTest::newRow("load of a broken plan") << Work::LoadBroken << 1;
}

void TestBusyWindow::disabledBehindTheDialogsOfItsWork()
{
    QFETCH(Work, work);
    QFETCH(int, errors);
    MainWindow &w = *w_.window;
    pressTalentTimes(w, 1, 1, 2);
    w_.dialogs.fileAnswers = {planPath(QStringLiteral("kept.plan"))};
    saveButton(w)->click();
    pressTalentTimes(w, 1, 2, 1);
    QFile broken(planPath(QStringLiteral("broken.plan")));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("0\r\n000\r\n") > 0);
    broken.close();
    w_.dialogs.ownerEnabled.clear();

    switch (work) {
    case Work::SaveCancelled:
        saveButton(w)->click();
        break;
    case Work::Save:
        w_.dialogs.fileAnswers = {planPath(QStringLiteral("new.plan"))};
        saveButton(w)->click();
        break;
    case Work::SaveNowhere:
        w_.dialogs.fileAnswers = {planPath(QStringLiteral("no folder/new.plan"))};
        saveButton(w)->click();
        break;
    case Work::LoadCancelled:
        loadButton(w)->click();
        break;
    case Work::Load:
        w_.dialogs.fileAnswers = {planPath(QStringLiteral("kept.plan"))};
        loadButton(w)->click();
        QCOMPARE(w.talents().totalPoints, 2);
        break;
    case Work::LoadBroken:
        w_.dialogs.fileAnswers = {planPath(QStringLiteral("broken.plan"))};
        loadButton(w)->click();
        QCOMPARE(w.talents().totalPoints, 3);
        break;
    }

    QCOMPARE(w_.dialogs.ownerEnabled, QVector<bool>{false});
    QCOMPARE(w_.dialogs.messages.size(), errors);
    QVERIFY(w.isEnabled());
    // The window takes input again: a press works.
    const int before = w.talents().totalPoints;
    pressTalentTimes(w, 1, 3, 1);
    QCOMPARE(w.talents().totalPoints, before + 1);
}

void TestBusyWindow::workWithoutADialogLeavesEveryControlAlone_data()
{
    QTest::addColumn<QString>("work");

    QTest::newRow("the same class chosen again") << "class";
    QTest::newRow("the language changed and changed back") << "language";
    QTest::newRow("reset") << "reset";
    QTest::newRow("presses") << "presses";
}

void TestBusyWindow::workWithoutADialogLeavesEveryControlAlone()
{
    QFETCH(QString, work);
    MainWindow &w = *w_.window;
    pressTalentTimes(w, 1, 1, 2);
    EnabledChangeCounter changes(&w);

    if (work == u"class") {
        chooseEntry(classBox(w), classBox(w)->currentIndex());
    } else if (work == u"language") {
        const int language = languageBox(w)->currentIndex();
        chooseEntry(languageBox(w), 1 - language);
        chooseEntry(languageBox(w), language);
    } else if (work == u"reset") {
        resetButton(w)->click();
    } else {
        pressTalentTimes(w, 1, 1, 1);
        pressTalentTimes(w, 1, 2, 1);
    }

    QVERIFY(w_.dialogs.messages.isEmpty());
    QCOMPARE(changes.count, 0);
    QVERIFY(w.isEnabled());
}

QTEST_MAIN(TestBusyWindow)
#include "test_busy_window.moc"
