// The data folder checker on the bundled world and on copies of it broken one way each: every
// problem listed once, with its path and line, and the exit codes of `runeplan --check`.
#include "bundled_world.h"
#include "fixture_world.h"
#include "datafolder/world_check.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>

namespace {

// A copy of the bundled world in a temporary folder, to break. It starts as links to the bundled
// files and folders (quick to make); a folder is made a real one of this copy before anything in
// it changes, and a file is broken by putting another in its place, never by writing through a
// link.
class WorldCopy {
public:
    WorldCopy() { linkEntries(worldDir(), path()); }
    QString path(const QString &relative = {}) const { return dir_.filePath(relative); }
    bool write(const QString &relative, const QByteArray &bytes) const
    {
        own(relative);
        QFile::remove(path(relative));
        QFile file(path(relative));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    bool replace(const QString &relative, const QByteArray &from, const QByteArray &to) const
    {
        QFile file(path(relative));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QByteArray text = file.readAll();
        file.close();
        return text.contains(from) && write(relative, text.replace(from, to));
    }
    bool remove(const QString &relative) const
    {
        own(relative);
        const QFileInfo entry(path(relative));
        return entry.isDir() && !entry.isSymLink() ? QDir(path(relative)).removeRecursively()
                                                   : QFile::remove(path(relative));
    }

private:
    static void linkEntries(const QString &from, const QString &to)
    {
        for (const QFileInfo &entry :
             QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            QFile::link(entry.absoluteFilePath(), QDir(to).filePath(entry.fileName()));
    }
    // The folders on the way to `relative` become real folders of this copy.
    void own(const QString &relative) const
    {
        QString folder;
        for (const QString &part : relative.split(u'/').mid(0, relative.count(u'/'))) {
            folder += (folder.isEmpty() ? QString() : QStringLiteral("/")) + part;
            const QFileInfo entry(path(folder));
            if (!entry.isSymLink())
                continue;
            const QString source = entry.symLinkTarget();
            QFile::remove(path(folder));
            QDir().mkdir(path(folder));
            linkEntries(source, path(folder));
        }
    }

private:
    QTemporaryDir dir_;
};

struct Breakage {
    const char *name;
    std::function<bool(const WorldCopy &)> damage;
    QStringList expected; // the checker's whole output
};

QByteArray manyPrerequisites(bool oneMore)
{
    QByteArray text = "Chains\r\n#1 1\r\nn\r\nr\r\n";
    for (int slot = 5; slot <= 44; slot += 4)
        text += "#" + QByteArray::number(slot) + " 1 " + QByteArray::number(slot - 4) +
                "\r\nn\r\nr\r\n";
    return oneMore ? text + "#2 1 1\r\nn\r\nr\r\n" : text;
}

QByteArray firstLines(const QString &path, int count)
{
    QFile file(path);
    QByteArray lines;
    if (file.open(QIODevice::ReadOnly)) {
        for (int k = 0; k < count; ++k)
            lines += file.readLine();
    }
    return lines;
}

const QVector<Breakage> &breakages()
{
    static const QVector<Breakage> all = {
        {"language code with a slash",
         [](auto &w) { return w.write("la.ini", "en\nru\nx/y\n"); },
         {"la.ini:3: the language code 'x/y' is not a valid file name part"}},
        {"last language not a number",
         [](auto &w) { return w.write("last.ini", "zz\r\n"); },
         {"last.ini:1: warning: 'zz' is not a valid integer value: the planner starts in the "
          "first language"}},
        {"last language past the list",
         [](auto &w) { return w.write("last.ini", "7"); },
         {"last.ini:1: warning: language 7 is not in la.ini, which lists 2 (0 to 1): the planner "
          "starts in the first"}},
        {"strings file of binary bytes",
         [](auto &w) { return w.write("lang.ru", QByteArray("\x01\x02\x00\xff", 4)); },
         {"lang.ru: List index out of bounds (15): the strings file lang.ru has 1 lines"}},
        {"strings file naming fewer classes",
         [](auto &w) { return w.write("lang.ru", firstLines(worldDir() + "/lang.ru", 26)); },
         {"lang.ru: names 7 classes where lang.en names 10: the classes only one of them names "
          "cannot go through a change of language"}},
        {"unknown more-strings key",
         [](auto &w) { return w.replace("more.ru", "close=", "bogus=1\nclose="); },
         {"more.ru:23: warning: unknown key 'bogus': the planner has no text of that name"}},
        {"arrow bitmap missing",
         [](auto &w) { return w.remove("arrows/l1g.bmp"); },
         {"arrows/l1g.bmp: Cannot open file: No such file or directory"}},
        {"background missing",
         [](auto &w) { return w.remove("Dd/2/fon.jpg"); },
         {"Dd/2/fon.jpg: Cannot open file: No such file or directory"}},
        {"background a link to nowhere",
         [](auto &w) {
             return w.remove("Sh/1/fon.jpg") && QFile::link(w.path("none"), w.path("Sh/1/fon.jpg"));
         },
         {"Sh/1/fon.jpg: Cannot open file: No such file or directory"}},
        {"emblem of another size",
         [](auto &w) { return w.write("Hu/1/icv.jpg", solidJpeg(30, 30, Qt::red)); },
         {"Hu/1/icv.jpg: warning: the picture is 30 x 30 pixels; the board is laid out for 27 x "
          "27"}},
        {"icon of zero bytes",
         [](auto &w) { return w.write("Mg/1/1.jpg", {}); },
         {"Mg/1/1.jpg: Cannot load picture: the file is empty"}},
        {"tree header not a number",
         [](auto &w) { return w.replace("Dd/1/tal.en", "#5 3 1", "#5 x 1"); },
         {"Dd/1/tal.en:25: 'x' is not a valid integer value"}},
        {"translation changes a rank",
         [](auto &w) { return w.replace("Dd/1/tal.ru", "#5 3 1", "#5 2 1"); },
         {"Dd/1/tal.ru:25: slot 5 has 2 ranks where Dd/1/tal.en gives 3; a translation must not "
          "change the rules"}},
        {"prerequisite without its talent",
         [](auto &w) { return w.remove("Dd/1/1.jpg"); },
         {"Dd/1/tal.en:3: warning: talent 1 has no picture: it is not placed",
          "Dd/1/tal.en:25: talent 5 needs slot 1, where no talent is placed (no block names it or "
          "its picture 1.jpg is missing): it can never be opened"}},
        {"talent picture missing",
         [](auto &w) { return w.remove("Dd/1/3.jpg"); },
         {"Dd/1/tal.en:19: warning: talent 3 has no picture: it is not placed"}},
        {"prerequisites in a ring",
         [](auto &w) {
             return w.replace("Dd/1/tal.en", "#1 5\n", "#1 5 13\n") &&
                    w.replace("Dd/1/tal.ru", "#1 5\n", "#1 5 13\n");
         },
         {"Dd/1/tal.en:3: talents 1, 5 and 13 (lines 3, 25 and 61) need one another in a ring: "
          "none of them can ever be opened",
          "Dd/1/tal.en:3: warning: no arrow piece joins talent 1 to its prerequisite in slot 13, "
          "so the board draws no arrow between them"}},
        {"arrow bitmap cut short",
         [](auto &w) {
             QFile bitmap(worldDir() + "/arrows/d1g.bmp");
             return bitmap.open(QIODevice::ReadOnly) && w.write("arrows/d1g.bmp", bitmap.read(60));
         },
         {"arrows/d1g.bmp: the bitmap is cut short: its header asks for 1314 bytes, the file "
          "holds 60"}},
        {"talent picture a pipe",
         [](auto &w) {
             return w.remove("Dd/1/1.jpg") && mkfifo(qPrintable(w.path("Dd/1/1.jpg")), 0644) == 0;
         },
         {"Dd/1/1.jpg: not a regular file (a pipe or a device): the planner leaves the talent "
          "off"}},
        {"talent picture a folder",
         [](auto &w) { return w.remove("Dd/1/2.jpg") && QDir().mkdir(w.path("Dd/1/2.jpg")); },
         {"Dd/1/2.jpg: not a regular file but a folder: the planner leaves the talent off"}},
        {"more-strings file a device",
         [](auto &w) { return w.remove("more.ru") && QFile::link("/dev/null", w.path("more.ru")); },
         {"more.ru: not a regular file (a pipe or a device): the planner shows its English "
          "texts"}},
        {"tree file empty",
         [](auto &w) { return w.write("Dd/1/tal.en", {}); },
         {"Dd/1/tal.en: the tree file is empty: it names no tree and no talent",
          "... and 26 more findings that follow from it"}},
        {"language list a folder",
         [](auto &w) { return w.remove("la.ini") && QDir().mkdir(w.path("la.ini")); },
         {"la.ini: Cannot open file: it is not a file",
          "... and 817 more findings that follow from it"}},
        {"relation no arrow piece draws",
         [](auto &w) {
             return w.replace("Dd/1/tal.en", "#11 2 10", "#11 2 1") &&
                    w.replace("Dd/1/tal.ru", "#11 2 10", "#11 2 1");
         },
         {"Dd/1/tal.en:50: warning: no arrow piece joins talent 11 to its prerequisite in slot 1, "
          "so the board draws no arrow between them"}},
        {"rank line missing",
         [](auto &w) {
             return w.replace("Dd/1/tal.en",
                              "Your fire spells set the target smouldering: it takes an extra "
                              "12% of the spell's damage over 6 sec.\n",
                              "");
         },
         {"Dd/1/tal.en:29: warning: the text of rank 3 of talent 5 is empty: is a line missing "
          "above it?"}},
        {"talent picture no block names",
         [](auto &w) { return w.write("Dd/1/4.jpg", solidJpeg(45, 43, Qt::red)); },
         {"Dd/1/4.jpg: warning: no tree file names slot 4, so this picture is never shown"}},
        {"more than 30 arrows",
         [](auto &w) {
             for (int tree = 1; tree <= 3; ++tree) {
                 // The tree made anew: a picture for each talent its files name.
                 const QString folder = QStringLiteral("Dd/%1/").arg(tree);
                 QMap<QString, QByteArray> files{{"tal.en", manyPrerequisites(tree == 3)},
                                                 {"tal.ru", manyPrerequisites(tree == 3)},
                                                 {"fon.jpg", solidJpeg(300, 717, Qt::red)},
                                                 {"icv.jpg", solidJpeg(27, 27, Qt::red)}};
                 for (int slot = 1; slot <= 41; slot += 4)
                     files.insert(QString::number(slot) + ".jpg", solidJpeg(45, 43, Qt::red));
                 if (tree == 3)
                     files.insert("2.jpg", solidJpeg(45, 43, Qt::red));
                 if (!w.remove(folder) || !QDir().mkdir(w.path(folder)))
                     return false;
                 for (auto file = files.cbegin(); file != files.cend(); ++file)
                     if (!w.write(folder + file.key(), file.value()))
                         return false;
             }
             return true;
         },
         {"Dd/3/tal.en:35: talent 2 would be talent 31 with a prerequisite in this class; a class "
          "may have at most 30"}},
        {"tree file a folder",
         [](auto &w) { return w.remove("Wl/2/tal.ru") && QDir().mkdir(w.path("Wl/2/tal.ru")); },
         {"Wl/2/tal.ru: Cannot open file: it is not a file"}},
        {"tree file a pipe",
         [](auto &w) {
             return w.remove("Wl/3/tal.ru") && mkfifo(qPrintable(w.path("Wl/3/tal.ru")), 0644) == 0;
         },
         {"Wl/3/tal.ru: Cannot open file: it is not a file"}},
        {"tree file too large",
         [](auto &w) {
             return w.write("Rg/1/tal.en", {}) && QFile(w.path("Rg/1/tal.en")).resize(65 << 20);
         },
         {"Rg/1/tal.en: Cannot read file: it is larger than 67108864 bytes"}},
        {"class folder missing",
         [](auto &w) { return w.remove("Wr"); },
         {"Wr: the class folder is missing, though the strings files name the class at line 29"}},
        {"tree folder a file",
         [](auto &w) { return w.remove("Pl/3") && w.write("Pl/3", "x"); },
         {"Pl/3: the tree folder is not a folder"}},
    };
    return all;
}

struct Run {
    int exitCode = -1;
    QStringList out;
};

Run check(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(RUNEPLAN_PROGRAM), QStringList{"--check"} + arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {
        process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)};
}

QStringList texts(const QVector<Finding> &findings)
{
    QStringList lines;
    for (const Finding &f : findings)
        lines.append(findingText(f));
    return lines;
}

} // namespace

class TestWorldCheck : public QObject {
    Q_OBJECT
private slots:
    void theBundledWorldChecksClean()
    {
        QCOMPARE(texts(checkDataFolder(worldDir())), QStringList());
    }

    void eachBreakageIsListedOnce_data()
    {
        QTest::addColumn<int>("index");
        for (int k = 0; k < breakages().size(); ++k)
            QTest::newRow(breakages().at(k).name) << k;
    }
    void eachBreakageIsListedOnce()
    {
        QFETCH(int, index);
        const Breakage &breakage = breakages().at(index);
        const WorldCopy world;
        QVERIFY(breakage.damage(world));
        QCOMPARE(texts(checkDataFolder(world.path())), breakage.expected);
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("the data folder beside the program")
            << QStringList() << 0 << "0 problems, 0 warnings";
        QTest::newRow("a problem")
            << QStringList{"--data", "@broken"} << 1 << "1 problem, 0 warnings";
        QTest::newRow("warnings only")
            << QStringList{"--data", "@warned"} << 0 << "0 problems, 1 warning";
        QTest::newRow("folded findings are not counted")
            << QStringList{"--data", "@folded"} << 1 << "1 problem, 0 warnings";
        QTest::newRow("no folder") << QStringList{"--data", "@broken/none"} << 3 << "";
        QTest::newRow("a plan as well") << QStringList{"plan.txt"} << 2 << "";
    }
    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, lastLine);
        const WorldCopy broken, warned, folded;
        QVERIFY(folded.write("Dd/1/tal.en", {}));
        QVERIFY(broken.remove("Dd/1/icv.jpg"));
        QVERIFY(warned.write("more.en", "bogus=1\n"));
        arguments.replaceInStrings("@broken", broken.path());
        arguments.replaceInStrings("@warned", warned.path());
        arguments.replaceInStrings("@folded", folded.path());
        const Run run = check(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out.value(run.out.size() - 1), lastLine);
    }
};

QTEST_MAIN(TestWorldCheck)
#include "test_world_check.moc"
