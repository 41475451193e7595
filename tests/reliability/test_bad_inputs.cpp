// A catalogue of broken inputs. Each one must end in a clear error that names the file and the
// reason (or load, where the input is odd but usable; or, for a file of the library of builds, be
// listed with its reason), with the program still running and usable and nothing lost.
#include "bad_input_catalogue.h"
#include "board/fonts.h"
#include "board_driver.h"
#include "build/library.h"
#include "build/plan_file.h"
#include "jpeg_fixture.h"
#include "talents/build_code.h"
#include "toolkit/choice_box.h"
#include "toolkit/flat_button.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "window_fixture.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QUndoStack>
#include <functional>

namespace {

QString boardState(const MainWindow &w)
{
    QString state = QString::fromLatin1(formatPlan(classBox(w)->currentIndex(), w.talents())) +
                    spentLabel(w)->caption() + freeLabel(w)->caption() + levelLabel(w)->caption();
    for (int tree = 1; tree <= 3; ++tree) {
        for (int slot = 1; slot <= 44; ++slot) {
            const TalentCell &c = w.board().cell(slot, tree);
            state += c.rank.text + c.rank.colour.name() + QString::number(c.placed);
        }
    }
    return state;
}

} // namespace

class TestBadInputs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerTahoma(); }

    void brokenInputEndsWell_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < catalogue().size(); ++i)
            QTest::newRow(catalogue()[i].name) << i;
    }
    void brokenInputEndsWell()
    {
        QFETCH(int, index);
        const BadInput &input = catalogue()[index];
        FixtureWorld world;
        world.writeStandardClass();
        world.writeStandardClass(QStringLiteral("Dr"));
        if (input.action == Action::Start)
            input.damage(world);

        OpenedWindow w;
        w.window = std::make_unique<MainWindow>(world.exeDir());
        if (input.outcome == Outcome::Fatal) {
            QCOMPARE(w.dialogs.messages.size(), 1);
            QCOMPARE(w.dialogs.messages[0].caption, QStringLiteral("Error"));
            QVERIFY(w.dialogs.messages[0].text.contains(world.path(input.file)));
            QVERIFY(w->endRequested());
            return;
        }
        w->show();
        QString before;
        if (input.action != Action::Start) {
            QVERIFY(w.dialogs.messages.isEmpty());
            input.damage(world);
        }
        switch (input.action) {
        case Action::Start:
            break;
        case Action::ChooseClass:
            chooseEntry(classBox(*w), 1);
            break;
        case Action::SwitchLanguage:
            chooseEntry(languageBox(*w), 1);
            break;
        case Action::LoadPlan:
            for (int i = 0; i < 3; ++i)
                pressTalent(*w, 1, 1, Qt::LeftButton);
            before = boardState(*w.window);
            w.dialogs.fileAnswers = {world.path(input.file)};
            loadButton(*w)->click();
            break;
        case Action::PasteCode: {
            for (int i = 0; i < 3; ++i)
                pressTalent(*w, 1, 1, Qt::LeftButton);
            before = boardState(*w.window);
            QFile text(world.path(QStringLiteral("p.code")));
            QVERIFY(text.open(QIODevice::ReadOnly));
            QGuiApplication::clipboard()->setText(QString::fromUtf8(text.readAll()));
            control<FlatButton>(*w, QStringLiteral("bt_paste"))->click();
            break;
        }
        case Action::ListLibrary: {
            const QVector<LibraryEntry> entries =
                readLibrary(libraryFolder(), int(w->build().strings().classNames().size()));
            QCOMPARE(entries.size(), 1);
            QCOMPARE(entries[0].path, QDir(libraryFolder()).filePath(input.file));
            QVERIFY2(!entries[0].build && entries[0].problem.contains(input.reason),
                     qPrintable(entries[0].problem));
            break;
        }
        }

        for (const auto &m : w.dialogs.messages)
            QVERIFY2(m.text.size() < 600, "an error message stays readable");
        if (input.outcome == Outcome::Loads || input.outcome == Outcome::Listed) {
            QVERIFY2(w.dialogs.messages.isEmpty(), qPrintable(w.dialogs.messages.value(0).text));
        } else {
            QCOMPARE(w.dialogs.messages.size(), 1);
            const QString text = w.dialogs.messages[0].text;
            if (!input.file.isEmpty())
                QVERIFY2(text.contains(world.path(input.file)), qPrintable(text));
            QVERIFY2(text.contains(input.reason), qPrintable(text));
        }
        QVERIFY(w->isEnabled());
        QCOMPARE(w->windowTitle(), QStringLiteral("Runeplan 3.1.0"));
        if (input.action == Action::LoadPlan || input.action == Action::PasteCode) {
            QCOMPARE(boardState(*w.window), before); // nothing lost
            QCOMPARE(w->build().history().count(), 3);
        }

        // And the program is still usable: the first language and class load and take points.
        const int errors = int(w.dialogs.messages.size());
        world.writeArrows(); // shared by every class: put the broken ones right
        if (input.action == Action::Start && input.outcome == Outcome::Error)
            world.writeStrings(QStringLiteral("en"),
                               FixtureWorld::defaultStrings(QStringLiteral("en")));
        if (input.action == Action::Start || input.action == Action::SwitchLanguage)
            chooseEntry(languageBox(*w), 0);
        chooseEntry(classBox(*w), 0);
        QVERIFY2(w.dialogs.messages.size() == errors,
                 qPrintable(w.dialogs.messages.value(w.dialogs.messages.size() - 1).text));
        pressTalent(*w, 2, 1, Qt::LeftButton);
        QCOMPARE(w->talents().at(2, 1).rank, 1);
    }
};

QTEST_MAIN(TestBadInputs)
#include "test_bad_inputs.moc"
