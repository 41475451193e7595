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

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    quint32 x = seed;
    for (char &c : bytes) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
    }
    return bytes;
}

QByteArray codeOfClass(const QString &classCode)
{
    BuildCode code;
    code.classCode = classCode;
    return encodeBuildCode(code).toLatin1();
}

QByteArray iconJpeg()
{
    return solidJpeg(45, 43, QColor(200, 60, 40));
}

QByteArray treeWith(const QByteArray &line)
{
    return "Broken tree\r\n#1 2\r\nname\r\nr1\r\nr2\r\n" + line + "\r\nname\r\nr1\r\n";
}

std::function<void(FixtureWorld &)> write(const QString &file, const QByteArray &bytes)
{
    return [=](FixtureWorld &world) { world.write(file, bytes); };
}

// A file of the player's library of builds, alone in it.
std::function<void(FixtureWorld &)> libraryFile(const QByteArray &bytes)
{
    return [=](FixtureWorld &) {
        QDir folder(libraryFolder());
        folder.removeRecursively();
        folder.mkpath(QStringLiteral("."));
        QFile file(folder.filePath(QStringLiteral("b.build")));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    };
}

std::function<void(FixtureWorld &)> removeFile(const QString &file)
{
    return [=](FixtureWorld &world) { world.remove(file); };
}

QByteArray bmpBytes()
{
    QImage image(20, 21, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QByteArray plan(const QByteArray &first, const QByteArray &tree1)
{
    const QByteArray z(44, '0');
    return first + "\r\n" + tree1 + "\r\n" + z + "\r\n" + z + "\r\n";
}

QByteArray withRank(int slot, char rank)
{
    QByteArray line(44, '0');
    line[slot - 1] = rank;
    return line;
}

} // namespace

const QVector<BadInput> &catalogue()
{
    static const QVector<BadInput> cases = [] {
        const QString dr1 = QStringLiteral("Dr/1/tal.en");
        const QString icon = QStringLiteral("Dr/1/2.jpg");
        const QByteArray z(44, '0');
        QByteArray cmyk = encodeJpeg(QImage(45, 43, QImage::Format_RGB32), JpegColours::Cmyk);
        QByteArray truncated = iconJpeg();
        truncated.chop(10); // into the pixel data: decodes with a warning
        QByteArray cutHeader = iconJpeg().left(100);
        QStringList shortStrings = FixtureWorld::defaultStrings(QStringLiteral("ru")).mid(0, 12);
        QStringList noClasses = FixtureWorld::defaultStrings(QStringLiteral("ru")).mid(0, 19);
        QByteArray corruptBmp = bmpBytes();
        corruptBmp.replace(10, 40, QByteArray(40, '\xff'));
        const QByteArray libraryHead = "Runeplan build 1\nname: x\n";
        QByteArray manyPrerequisites = "Chains\r\n#1 1\r\nn\r\nr\r\n";
        for (int slot = 5; slot <= 44; slot += 4)
            manyPrerequisites += "#" + QByteArray::number(slot) + " 1 " +
                                 QByteArray::number(slot - 4) + "\r\nn\r\nr\r\n";
        return QVector<BadInput>{
            // The language files.
            {"language list missing", Action::Start, removeFile(QStringLiteral("la.ini")),
             QStringLiteral("la.ini"), QStringLiteral("not found"), Outcome::Fatal},
            {"last language missing", Action::Start, removeFile(QStringLiteral("last.ini")),
             QStringLiteral("last.ini"), QStringLiteral("not found"), Outcome::Fatal},
            {"strings file missing at start", Action::Start, removeFile(QStringLiteral("lang.en")),
             QStringLiteral("lang.en"), QStringLiteral("Cannot open"), Outcome::Error},
            {"strings file missing on a switch", Action::SwitchLanguage,
             removeFile(QStringLiteral("lang.ru")), QStringLiteral("lang.ru"),
             QStringLiteral("Cannot open"), Outcome::Error},
            {"strings file too short", Action::SwitchLanguage,
             [=](FixtureWorld &w) { w.writeStrings(QStringLiteral("ru"), shortStrings); },
             QStringLiteral("lang.ru"), QStringLiteral("index out of bounds (15)"), Outcome::Error},
            {"strings file without class names", Action::SwitchLanguage,
             [=](FixtureWorld &w) { w.writeStrings(QStringLiteral("ru"), noClasses); }, QString(),
             QStringLiteral("names no class"), Outcome::Error},
            {"last language garbage", Action::Start, write(QStringLiteral("last.ini"), "zz\r\n"),
             QStringLiteral("last.ini"), QStringLiteral("'zz' is not a valid integer"),
             Outcome::Error},
            {"last language binary", Action::Start,
             write(QStringLiteral("last.ini"), QByteArray("\x01\x02\x00\xff", 4)),
             QStringLiteral("last.ini"), QStringLiteral("is not a valid integer"), Outcome::Error},
            {"last language negative", Action::Start, write(QStringLiteral("last.ini"), "-5"),
             QString(), QString(), Outcome::Loads},
            {"last language past the list", Action::Start, write(QStringLiteral("last.ini"), "9"),
             QString(), QString(), Outcome::Loads},
            // The class folder.
            {"tree file missing", Action::ChooseClass, removeFile(dr1), dr1,
             QStringLiteral("Cannot open"), Outcome::Error},
            {"tree file is a folder", Action::ChooseClass,
             [=](FixtureWorld &w) {
                 w.remove(dr1);
                 QDir().mkpath(w.path(dr1));
             },
             dr1, QStringLiteral("not a file"), Outcome::Error},
            {"background missing", Action::ChooseClass, removeFile(QStringLiteral("Dr/2/fon.jpg")),
             QStringLiteral("Dr/2/fon.jpg"), QStringLiteral("Cannot open"), Outcome::Error},
            {"emblem missing", Action::ChooseClass, removeFile(QStringLiteral("Dr/3/icv.jpg")),
             QStringLiteral("Dr/3/icv.jpg"), QStringLiteral("Cannot open"), Outcome::Error},
            {"icon missing", Action::ChooseClass, removeFile(icon), QString(), QString(),
             Outcome::Loads},
            // An icon is looked for by name in its tree folder: a folder of that name, like a link
            // that leads nowhere, is as good as no icon.
            {"icon is a folder", Action::ChooseClass,
             [=](FixtureWorld &w) {
                 w.remove(icon);
                 QDir().mkpath(w.path(icon));
             },
             QString(), QString(), Outcome::Loads},
            {"icon is a broken link", Action::ChooseClass,
             [=](FixtureWorld &w) {
                 w.remove(icon);
                 QFile::link(w.path(QStringLiteral("Dr/1/nowhere.jpg")), w.path(icon));
             },
             QString(), QString(), Outcome::Loads},
            {"arrow bitmap missing", Action::ChooseClass,
             removeFile(QStringLiteral("arrows/d1w.bmp")), QStringLiteral("arrows/d1w.bmp"),
             QStringLiteral("Cannot open"), Outcome::Error},
            {"arrow bitmap corrupt", Action::ChooseClass,
             write(QStringLiteral("arrows/d1w.bmp"), corruptBmp), QStringLiteral("arrows/d1w.bmp"),
             QStringLiteral("BMP"), Outcome::Error},
            {"arrow bitmap empty", Action::ChooseClass,
             write(QStringLiteral("arrows/r1w.bmp"), QByteArray()),
             QStringLiteral("arrows/r1w.bmp"), QStringLiteral("BMP"), Outcome::Error},
            {"icon truncated", Action::ChooseClass, write(icon, truncated), QString(), QString(),
             Outcome::Loads},
            {"icon cut in its header", Action::ChooseClass, write(icon, cutHeader), icon,
             QStringLiteral("not a readable JPEG"), Outcome::Error},
            {"icon corrupt", Action::ChooseClass, write(icon, randomBytes(3000, 7)), icon,
             QStringLiteral("not a readable JPEG"), Outcome::Error},
            {"icon CMYK", Action::ChooseClass, write(icon, cmyk), icon,
             QStringLiteral("Unsupported color conversion"), Outcome::Error},
            {"icon of zero bytes", Action::ChooseClass, write(icon, QByteArray()), icon,
             QStringLiteral("empty"), Outcome::Error},
            {"icon with a huge header", Action::ChooseClass,
             write(icon, withDeclaredSize(iconJpeg(), 30000, 30000)), icon,
             QStringLiteral("larger than 4096"), Outcome::Error},
            {"background that is a bitmap", Action::ChooseClass,
             write(QStringLiteral("Dr/1/fon.jpg"), bmpBytes()), QStringLiteral("Dr/1/fon.jpg"),
             QStringLiteral("not a readable JPEG"), Outcome::Error},
            {"tree file of binary bytes", Action::ChooseClass, write(dr1, randomBytes(5000, 3)),
             QString(), QString(), Outcome::Loads},
            {"tree file with a 10 MB name line", Action::ChooseClass,
             write(dr1, QByteArray(10 * 1024 * 1024, 'N') + "\r\n#1 1\r\nn\r\nr\r\n"), QString(),
             QString(), Outcome::Loads},
            {"tree file with a 10 MB header", Action::ChooseClass,
             write(dr1, treeWith("#1 " + QByteArray(10 * 1024 * 1024, '7'))), dr1,
             QStringLiteral("malformed talent header '#1 7777"), Outcome::Error},
            {"tree file with a 10 MB number", Action::ChooseClass,
             write(dr1, treeWith("#" + QByteArray(10 * 1024 * 1024, '7') + " 1")), dr1,
             QStringLiteral("is not a valid integer"), Outcome::Error},
            {"header with a plus sign", Action::ChooseClass, write(dr1, treeWith("#+2 1")),
             QString(), QString(), Outcome::Loads},
            {"header with a minus sign", Action::ChooseClass, write(dr1, treeWith("#-2 1")), dr1,
             QStringLiteral("line 6: slot -2"), Outcome::Error},
            {"header overflowing", Action::ChooseClass, write(dr1, treeWith("#2 99999999999")), dr1,
             QStringLiteral("line 6: malformed"), Outcome::Error},
            {"slot overflowing", Action::ChooseClass, write(dr1, treeWith("#99999999999 1")), dr1,
             QStringLiteral("line 6: '99999999999' is not a valid integer"), Outcome::Error},
            {"header with a tab", Action::ChooseClass, write(dr1, treeWith("#2\t1")), dr1,
             QStringLiteral("line 6: malformed"), Outcome::Error},
            {"header with text after it", Action::ChooseClass, write(dr1, treeWith("#2 1 1 x")),
             dr1, QStringLiteral("line 6: '1 x'"), Outcome::Error},
            {"slot 45", Action::ChooseClass, write(dr1, treeWith("#45 1")), dr1,
             QStringLiteral("slot 45 is outside"), Outcome::Error},
            {"slot 0", Action::ChooseClass, write(dr1, treeWith("#0 1")), dr1,
             QStringLiteral("slot 0 is outside"), Outcome::Error},
            {"no ranks", Action::ChooseClass, write(dr1, treeWith("#2 0")), dr1,
             QStringLiteral("ranks 0 is outside"), Outcome::Error},
            {"six ranks", Action::ChooseClass, write(dr1, treeWith("#2 6")), dr1,
             QStringLiteral("ranks 6 is outside"), Outcome::Error},
            {"prerequisite 45", Action::ChooseClass, write(dr1, treeWith("#2 1 45")), dr1,
             QStringLiteral("prerequisite 45 is outside"), Outcome::Error},
            {"prerequisite -1", Action::ChooseClass, write(dr1, treeWith("#2 1 -1")), dr1,
             QStringLiteral("prerequisite -1 is outside"), Outcome::Error},
            {"capital end marker", Action::ChooseClass, write(dr1, treeWith("#EndTalants")), dr1,
             QStringLiteral("'#EndTalants'"), Outcome::Error},
            {"too many prerequisites", Action::ChooseClass,
             [=](FixtureWorld &w) {
                 for (int tree = 1; tree <= 3; ++tree) {
                     const QString folder = QStringLiteral("Dr/%1/").arg(tree);
                     w.write(folder + QStringLiteral("tal.en"),
                             manyPrerequisites + (tree == 3 ? "#2 1 1\r\nn\r\nr\r\n" : ""));
                     for (int slot = 1; slot <= 44; ++slot)
                         w.write(folder + QString::number(slot) + QStringLiteral(".jpg"),
                                 iconJpeg());
                 }
             },
             QStringLiteral("Dr/3/tal.en"), QStringLiteral("at most 30"), Outcome::Error},
            // Texts pasted as build codes over a plan on the board; the text is in p.code.
            {"code empty",
             Action::PasteCode,
             write(QStringLiteral("p.code"), QByteArray()),
             {},
             QStringLiteral("not a build code"),
             Outcome::Error},
            {"code words",
             Action::PasteCode,
             write(QStringLiteral("p.code"), "here is my plan, see you later"),
             {},
             QStringLiteral("not a build code"),
             Outcome::Error},
            {"code binary",
             Action::PasteCode,
             write(QStringLiteral("p.code"), randomBytes(5000, 3)),
             {},
             QStringLiteral("build code"),
             Outcome::Error},
            {"code repeated prefixes",
             Action::PasteCode,
             write(QStringLiteral("p.code"), QByteArray(1 << 20, 'R').replace("RR", "RB")),
             {},
             QStringLiteral("build code"),
             Outcome::Error},
            {"code damaged",
             Action::PasteCode,
             write(QStringLiteral("p.code"), "RB2Dd" + QByteArray(71, 'x')),
             {},
             QStringLiteral("damaged build code"),
             Outcome::Error},
            {"code of a newer format",
             Action::PasteCode,
             write(QStringLiteral("p.code"), "RB9Dd" + QByteArray(71, 'x')),
             {},
             QStringLiteral("newer format"),
             Outcome::Error},
            {"code of a class not offered",
             Action::PasteCode,
             write(QStringLiteral("p.code"), codeOfClass(QStringLiteral("Zz"))),
             {},
             QStringLiteral("class Zz is not in this data folder"),
             Outcome::Error},
            // Plan files, loaded over a plan on the board.
            {"plan empty", Action::LoadPlan, write(QStringLiteral("p.plan"), QByteArray()),
             QStringLiteral("p.plan"),
             QStringLiteral("line 1: not a Runeplan plan (line 1 is empty)"), Outcome::Error},
            {"plan binary", Action::LoadPlan, write(QStringLiteral("p.plan"), randomBytes(400, 9)),
             QStringLiteral("p.plan"), QStringLiteral("line 1:"), Outcome::Error},
            {"plan huge", Action::LoadPlan,
             write(QStringLiteral("p.plan"), "0\r\n" + QByteArray(200000, '0')),
             QStringLiteral("p.plan"), QStringLiteral("larger than 65536"), Outcome::Error},
            {"plan short", Action::LoadPlan, write(QStringLiteral("p.plan"), "0\r\n" + z + "\r\n"),
             QStringLiteral("p.plan"), QStringLiteral("line 3:"), Outcome::Error},
            {"plan with letters", Action::LoadPlan,
             write(QStringLiteral("p.plan"), plan("0", withRank(1, 'k'))), QStringLiteral("p.plan"),
             QStringLiteral("line 2: 'k' at slot 1"), Outcome::Error},
            {"plan over a talent's ranks", Action::LoadPlan,
             write(QStringLiteral("p.plan"), plan("0", withRank(2, '4'))), QStringLiteral("p.plan"),
             QStringLiteral("rank 4 at slot 2"), Outcome::Error},
            {"plan over 71 points", Action::LoadPlan,
             write(QStringLiteral("p.plan"),
                   "0\r\n" + z + "\r\n" + z + "\r\n" + QByteArray(44, '5') + "\r\n"),
             QStringLiteral("p.plan"), QStringLiteral("110 points"), Outcome::Error},
            {"plan class -1", Action::LoadPlan, write(QStringLiteral("p.plan"), plan("-1", z)),
             QStringLiteral("p.plan"), QStringLiteral("class -1"), Outcome::Error},
            {"plan class 10", Action::LoadPlan, write(QStringLiteral("p.plan"), plan("10", z)),
             QStringLiteral("p.plan"), QStringLiteral("class 10"), Outcome::Error},
            {"plan class 99999999999", Action::LoadPlan,
             write(QStringLiteral("p.plan"), plan("99999999999", z)), QStringLiteral("p.plan"),
             QStringLiteral("'99999999999'"), Outcome::Error},
            {"plan deleted after the dialog", Action::LoadPlan, [](FixtureWorld &) {},
             QStringLiteral("p.plan"), QStringLiteral("Cannot open"), Outcome::Error},
            {"plan is a folder", Action::LoadPlan,
             [](FixtureWorld &w) { QDir().mkpath(w.path(QStringLiteral("p.plan"))); },
             QStringLiteral("p.plan"), QStringLiteral("not a file"), Outcome::Error},
            // Files of the library of builds, as it is read for its list.
            {"library file empty", Action::ListLibrary, libraryFile(""), QStringLiteral("b.build"),
             QStringLiteral("the file is empty"), Outcome::Listed},
            {"library file binary", Action::ListLibrary,
             libraryFile(randomBytes(400, 3) + QByteArray(1, '\0')), QStringLiteral("b.build"),
             QStringLiteral("binary"), Outcome::Listed},
            {"library file huge", Action::ListLibrary,
             libraryFile(libraryHead + QByteArray(MaxLibraryFileBytes, 'x')),
             QStringLiteral("b.build"), QStringLiteral("larger than 1 MiB"), Outcome::Listed},
            {"library file of another format", Action::ListLibrary, libraryFile(plan("0", z)),
             QStringLiteral("b.build"), QStringLiteral("line 1: not a Runeplan build"),
             Outcome::Listed},
            {"library file without a name", Action::ListLibrary,
             libraryFile("Runeplan build 1\ncode: " + codeOfClass(QStringLiteral("Dd")) + "\n"),
             QStringLiteral("b.build"), QStringLiteral("no \"name:\" line"), Outcome::Listed},
            {"library file with a damaged code", Action::ListLibrary,
             libraryFile(libraryHead + "code: RB2Dd3jiCe2EAW0!\n"), QStringLiteral("b.build"),
             QStringLiteral("damaged build code"), Outcome::Listed},
            {"library file of a class not offered", Action::ListLibrary,
             libraryFile(libraryHead + "code: " + codeOfClass(QStringLiteral("Zz")) + "\n"),
             QStringLiteral("b.build"), QStringLiteral("class Zz is not one of"), Outcome::Listed},
        };
    }();
    return cases;
}
