#include "base/error.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"

#include <QTest>
#include <stdexcept>

// The dialogs seam and the error reporting every event handler runs under.
class TestErrorReport : public QObject {
    Q_OBJECT

private slots:
    void seamRoutesToTheInstalledDialogs();
    void guardedReportsEachFailureOnce_data();
    void guardedReportsEachFailureOnce();
    void guardedBodyThatSucceedsShowsNothing();
    void scopeExitRunsBeforeTheErrorIsShown();
    void scopeExitRunsOnTheNormalPath();
};

namespace {

// Records the messages instead of showing them, and whether the undo had run by then.
class FakeDialogs final : public Dialogs {
public:
    void message(QWidget *, const QString &caption, const QString &text) override
    {
        captions.append(caption);
        texts.append(text);
        undoneWhenShown.append(undone != nullptr && *undone);
    }

    QStringList captions;
    QStringList texts;
    QList<bool> undoneWhenShown;
    const bool *undone = nullptr;
};

// Installs a fake for one test and puts the real dialogs back after it.
struct InstalledFake {
    InstalledFake() { setDialogs(&fake); }
    ~InstalledFake() { setDialogs(nullptr); }
    FakeDialogs fake;
};

enum class Failure { OwnError, OwnErrorNonAscii, StandardException, SomethingElse };

[[noreturn]] void fail(Failure failure)
{
    switch (failure) {
    case Failure::OwnError:
        throw Error(QStringLiteral("Cannot open file Mg/tree1.txt: No such file or directory"));
    case Failure::OwnErrorNonAscii:
        throw Error(QStringLiteral("Cannot read file B\u00e4ume/\u00fcbersicht.txt"));
    case Failure::StandardException:
        throw std::runtime_error("stoi: no conversion");
    case Failure::SomethingElse:
        throw 42;
    }
    Q_UNREACHABLE();
}

} // namespace

Q_DECLARE_METATYPE(Failure)

void TestErrorReport::seamRoutesToTheInstalledDialogs()
{
    {
        InstalledFake installed;
        QCOMPARE(&dialogs(), &installed.fake);
        dialogs().message(nullptr, QStringLiteral("Caption"), QStringLiteral("Text"));
        QCOMPARE(installed.fake.texts, QStringList{QStringLiteral("Text")});
        QCOMPARE(installed.fake.captions, QStringList{QStringLiteral("Caption")});
    }
    Dialogs &real = dialogs();
    QVERIFY(dynamic_cast<FakeDialogs *>(&real) == nullptr);
    // Installing nullptr keeps the real ones.
    setDialogs(nullptr);
    QCOMPARE(&dialogs(), &real);
}

void TestErrorReport::guardedReportsEachFailureOnce_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Error") << Failure::OwnError
                           << "Cannot open file Mg/tree1.txt: No such file or directory";
    QTest::newRow("Error, non-ASCII")
        << Failure::OwnErrorNonAscii << "Cannot read file B\u00e4ume/\u00fcbersicht.txt";
    QTest::newRow("std::exception") << Failure::StandardException << "stoi: no conversion";
    QTest::newRow("not an exception class")
        << Failure::SomethingElse << "An unexpected error occurred.";
}

void TestErrorReport::guardedReportsEachFailureOnce()
{
    QFETCH(Failure, failure);
    QFETCH(QString, shown);
    InstalledFake installed;

    bool result = true;
    try {
        result = guarded([failure] { fail(failure); });
    } catch (...) {
        QFAIL("an exception left guarded()");
    }
    QVERIFY(!result);
    QCOMPARE(installed.fake.texts, QStringList{shown});
    QVERIFY(!installed.fake.captions.constFirst().isEmpty());
}

void TestErrorReport::guardedBodyThatSucceedsShowsNothing()
{
    InstalledFake installed;
    int runs = 0;
    QVERIFY(guarded([&runs] { ++runs; }));
    QCOMPARE(runs, 1);
    QVERIFY(installed.fake.texts.isEmpty());
}

void TestErrorReport::scopeExitRunsBeforeTheErrorIsShown()
{
    InstalledFake installed;
    bool undone = false;
    installed.fake.undone = &undone;

    const bool result = guarded([&undone] {
        ScopeExit enableAgain([&undone] { undone = true; });
        fail(Failure::OwnError);
    });
    QVERIFY(!result);
    QVERIFY(undone);
    // The window is usable again by the time the user reads the error.
    QCOMPARE(installed.fake.undoneWhenShown, QList<bool>{true});
}

void TestErrorReport::scopeExitRunsOnTheNormalPath()
{
    int undos = 0;
    {
        ScopeExit count([&undos] { ++undos; });
        QCOMPARE(undos, 0);
    }
    QCOMPARE(undos, 1);
}

QTEST_MAIN(TestErrorReport)
#include "test_error_report.moc"
