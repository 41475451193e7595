// Where the last language is kept: the data folder's last.ini while it can be written, the user's
// own last.ini in the configuration folder when it cannot (an installed copy).
#include "base/error.h"
#include "datafolder/language_memory.h"
#include "last_language_files.h"

#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// File permissions do not stop root (CI runs as root): there the check runs as an unprivileged
// user. The real and effective user become `nobody` (its number, which needs no entry in the
// passwd file); root's capabilities leave the effective set with them; the saved user stays
// root, so that the destructor can take root back. The files to be checked must belong to
// `nobody` for this to mean anything (see giveToUnprivileged).
class Unprivileged {
public:
    static constexpr uid_t User = 65534;

    Unprivileged()
    {
        if (geteuid() != 0)
            return;
        if (setresuid(User, User, 0) == 0)
            dropped_ = true;
        else
            error_ = errno;
    }
    ~Unprivileged()
    {
        if (dropped_ && setresuid(0, 0, 0) != 0)
            qFatal("cannot become root again: %s", std::strerror(errno));
    }
    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

    // Why root could not become the unprivileged user (no CAP_SETUID), or empty.
    QString failure() const
    {
        return error_ == 0 ? QString()
                           : QStringLiteral("root cannot become user %1: %2")
                                 .arg(User)
                                 .arg(QString::fromLocal8Bit(std::strerror(error_)));
    }

private:
    int error_ = 0;
    bool dropped_ = false;
};

// Root gives `path` and everything in it to the unprivileged user; anyone else owns them already.
void giveToUnprivileged(const QString &path)
{
    if (geteuid() != 0)
        return;
    if (chown(QFile::encodeName(path).constData(), Unprivileged::User, gid_t(-1)) != 0)
        qFatal("cannot give %s away: %s", qPrintable(path), std::strerror(errno));
    for (const QFileInfo &entry :
         QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (entry.isDir() && !entry.isSymLink())
            giveToUnprivileged(entry.filePath());
        else if (chown(QFile::encodeName(entry.filePath()).constData(), Unprivileged::User,
                       gid_t(-1)) != 0)
            qFatal("cannot give %s away: %s", qPrintable(entry.filePath()), std::strerror(errno));
    }
}

} // namespace

class TestLanguageMemory : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString data() const { return dir_.filePath(QStringLiteral("datas/last.ini")); }
    QString user() const { return dir_.filePath(QStringLiteral("config/Runeplan/last.ini")); }

private slots:
    void initTestCase()
    {
        // The user's configuration folder of these tests is a test location, never the real one.
        QStandardPaths::setTestModeEnabled(true);
    }
    void init()
    {
        QDir(QFileInfo(userLastLanguageFile()).absolutePath()).removeRecursively();
        QDir(dir_.path()).removeRecursively();
        QDir().mkpath(dir_.path());
    }

    void fileToRead_data()
    {
        QTest::addColumn<Spot>("dataSpot");
        QTest::addColumn<Spot>("userSpot");
        QTest::addColumn<bool>("readsUser");
        QTest::newRow("writable data, no user file") << Spot::File << Spot::Missing << false;
        // Another copy that can write its data folder shares the user's file: it must not follow
        // what an installed copy remembered.
        QTest::newRow("writable data wins over the user file") << Spot::File << Spot::File << false;
        QTest::newRow("unwritable data, user file") << Spot::Folder << Spot::File << true;
        // The first run of an installed copy: the data folder's file gives the language.
        QTest::newRow("unwritable data, no user file") << Spot::Folder << Spot::Missing << false;
        QTest::newRow("unwritable data, user file is a folder")
            << Spot::Folder << Spot::Folder << false;
    }
    void fileToRead()
    {
        QFETCH(Spot, dataSpot);
        QFETCH(Spot, userSpot);
        QFETCH(bool, readsUser);
        prepare(data(), dataSpot);
        prepare(user(), userSpot);
        const LanguageMemory memory(data(), user());
        QCOMPARE(memory.dataFileWritable(), dataSpot == Spot::File);
        QCOMPARE(memory.fileToRead(), readsUser ? user() : data());
    }

    void withoutAConfigurationFolderTheDataFileIsRead()
    {
        prepare(data(), Spot::Folder);
        QCOMPARE(LanguageMemory(data(), QString()).fileToRead(), data());
    }

    // As root, the check runs as an unprivileged user (see Unprivileged) on files given to it;
    // the same folder is writable before its write permission goes, so that the refusal is the
    // permission's and not a path the user cannot reach.
    void readOnlyDataFolderIsNotWritable()
    {
        prepare(data(), Spot::File);
        const QString folder = QFileInfo(data()).absolutePath();
        giveToUnprivileged(dir_.path());
        bool writableBefore = false;
        bool writableAfter = true;
        {
            const Unprivileged unprivileged;
            if (!unprivileged.failure().isEmpty())
                QSKIP(qPrintable(unprivileged.failure()));
            writableBefore = LanguageMemory(data(), user()).dataFileWritable();
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            writableAfter = LanguageMemory(data(), user()).dataFileWritable();
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QVERIFY2(writableBefore, "the data folder cannot be written even before its permission "
                                 "goes: the test folder is out of the user's reach");
        QVERIFY(!writableAfter);
    }

    void remember_data()
    {
        QTest::addColumn<Spot>("dataSpot");
        QTest::addColumn<Spot>("userSpot");
        QTest::addColumn<QByteArray>("dataAfter");
        QTest::addColumn<QByteArray>("userAfter");
        QTest::addColumn<bool>("fails");
        QTest::newRow("writable data: the user file is left alone")
            << Spot::File << Spot::File << QByteArray("2\r\n") << QByteArray("0\r\n") << false;
        QTest::newRow("writable data, no user file")
            << Spot::File << Spot::Missing << QByteArray("2\r\n") << QByteArray("(none)") << false;
        QTest::newRow("unwritable data: the user file is written")
            << Spot::Folder << Spot::File << QByteArray("(none)") << QByteArray("2\r\n") << false;
        // The configuration folder may not exist yet on a first close.
        QTest::newRow("unwritable data: the user file and its folder are made")
            << Spot::Folder << Spot::Missing << QByteArray("(none)") << QByteArray("2\r\n")
            << false;
        QTest::newRow("neither can be written")
            << Spot::Folder << Spot::Folder << QByteArray("(none)") << QByteArray("(none)") << true;
    }
    void remember()
    {
        QFETCH(Spot, dataSpot);
        QFETCH(Spot, userSpot);
        QFETCH(QByteArray, dataAfter);
        QFETCH(QByteArray, userAfter);
        QFETCH(bool, fails);
        prepare(data(), dataSpot);
        if (userSpot == Spot::Missing)
            QDir(QFileInfo(user()).absolutePath()).removeRecursively();
        else
            prepare(user(), userSpot);
        QString message;
        try {
            LanguageMemory(data(), user()).remember(2);
        } catch (const Error &e) {
            message = e.message();
        }
        QCOMPARE(contents(data()), dataAfter);
        QCOMPARE(contents(user()), userAfter);
        QCOMPARE(!message.isEmpty(), fails);
        if (fails) {
            QVERIFY(message.contains(data()));
            QVERIFY(message.contains(user()));
        }
    }

    void rememberWithoutAConfigurationFolderFails()
    {
        prepare(data(), Spot::Folder);
        QVERIFY_THROWS_EXCEPTION(Error, LanguageMemory(data(), QString()).remember(1));
    }

    void theUserFileLivesInTheConfigurationFolder()
    {
        QCOMPARE(LanguageMemory::beside(data()).userFile(), userLastLanguageFile());
        QCOMPARE(LanguageMemory::beside(data()).dataFile(), data());
    }
};

QTEST_GUILESS_MAIN(TestLanguageMemory)
#include "test_language_memory.moc"
