// The data folder's own files: the language list, the last language, the strings and
// more-strings files and the arrow bitmaps.
#include "datafolder/world_check.h"

#include "base/error.h"
#include "base/read_file.h"
#include "board/arrow_rules.h"
#include "datafolder/more_strings.h"
#include "datafolder/picture_file.h"
#include "datafolder/ui_strings.h"
#include "datafolder/world_check_walk.h"
#include "talents/talent_table.h"
#include "talents/text_lines.h"

#include <QFileInfo>
#include <QHash>
#include <new>

namespace {

const QString LanguageList = QStringLiteral("la.ini");
const QString LastLanguage = QStringLiteral("last.ini");

QString stringsFile(const QString &code)
{
    return QStringLiteral("lang.") + code;
}

// The bytes an uncompressed BMP needs by its header, its pixels' rows up to the last; nothing when
// the header does not tell (a compressed picture, a header the decoder already refuses).
std::optional<qint64> bmpBytesNeeded(const QByteArray &bytes)
{
    // Byte by byte: the compiler cannot tell that the size was checked before a wider read.
    const auto u16 = [&](qsizetype at) {
        return quint16(quint8(bytes.at(at)) | quint8(bytes.at(at + 1)) << 8);
    };
    const auto u32 = [&](qsizetype at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    if (bytes.size() < 26)
        return std::nullopt;
    const qint64 headerSize = u32(14);
    qint64 width = 0, height = 0, bitsPerPixel = 0;
    if (headerSize == 12) { // the old OS/2 header: no compression
        width = u16(18);
        height = u16(20);
        bitsPerPixel = u16(24);
    } else {
        if (bytes.size() < 34)
            return std::nullopt;
        width = qint32(u32(18));
        height = std::abs(qint64{qint32(u32(22))});
        bitsPerPixel = u16(28);
        const quint32 compression = u32(30);
        if (compression != 0 && compression != 3 && compression != 6) // not RGB or bit fields
            return std::nullopt;
    }
    if (width <= 0 || bitsPerPixel <= 0)
        return std::nullopt;
    const qint64 row = (width * bitsPerPixel + 31) / 32 * 4;
    return qint64{u32(10)} + row * height;
}

} // namespace

QVector<Finding> checkDataFolder(const QString &dataFolder)
{
    return WorldWalk(dataFolder).run();
}

QString folderTrouble(const QString &path)
{
    const QFileInfo folder(path);
    if (!folder.exists())
        return QStringLiteral("is missing");
    if (!folder.isDir())
        return QStringLiteral("is not a folder");
    if (!folder.isReadable() || !folder.isExecutable())
        return QStringLiteral("cannot be read");
    return {};
}

QString notARegularFile(const QString &path)
{
    const QFileInfo entry(path);
    if (!entry.exists() || entry.isFile())
        return {};
    return entry.isDir() ? QStringLiteral("not a regular file but a folder")
                         : QStringLiteral("not a regular file (a pipe or a device)");
}

QString dataFolderUnreadable(const QString &dataFolder)
{
    const QString trouble = folderTrouble(dataFolder);
    return trouble.isEmpty() ? trouble
                             : QStringLiteral("the data folder %1 %2").arg(dataFolder, trouble);
}

bool WorldWalk::reading(const QString &relative, const std::function<void()> &read)
{
    try {
        read();
        return true;
    } catch (const Error &e) {
        add(findingOfError(e.message(), absolute(relative), relative));
    } catch (const std::bad_alloc &) {
        problem(relative, 0, QStringLiteral("too large to read into memory"));
    } catch (const std::exception &e) {
        add(findingOfError(QString::fromUtf8(e.what()), absolute(relative), relative));
    }
    return false;
}

QVector<Finding> WorldWalk::run()
{
    const qsizetype languageFindings = mark();
    const QStringList languages = checkLanguageList();
    if (languages.isEmpty())
        noLanguage_ = firstSince(languageFindings);
    checkLastLanguage(static_cast<int>(languages.size()));
    QVector<std::optional<int>> classNameCounts;
    const qsizetype stringsFindings = mark();
    for (const QString &code : languages)
        classNameCounts.append(checkStrings(code));
    noClassNames_ = noLanguage_;
    if (!languages.isEmpty() && std::none_of(classNameCounts.cbegin(), classNameCounts.cend(),
                                             [](const auto &count) { return count.has_value(); }))
        noClassNames_ = firstSince(stringsFindings);
    checkClassNameCounts(languages, classNameCounts);
    for (const QString &code : languages)
        checkMoreStrings(code);
    checkArrowBitmaps();
    int classesNamed = 0;
    for (const std::optional<int> &count : classNameCounts)
        classesNamed = std::max(classesNamed, count.value_or(0));
    for (int k = 0; k < static_cast<int>(classCodes.size()); ++k)
        checkClass(k, languages, classesNamed);
    // Each finding, then the count of those that only follow from it.
    QVector<Finding> shown;
    for (qsizetype k = 0; k < found_.size(); ++k) {
        shown.append(found_.at(k));
        if (const int more = folded_.value(k); more > 0)
            shown.append(
                {{},
                 0,
                 QStringLiteral("... and %1 more %2 that follow%3 from it")
                     .arg(more)
                     .arg(more == 1 ? QStringLiteral("finding") : QStringLiteral("findings"))
                     .arg(more == 1 ? QStringLiteral("s") : QString()),
                 Finding::Weight::Folded});
    }
    return shown;
}

QStringList WorldWalk::checkLanguageList()
{
    QStringList lines;
    if (!reading(LanguageList, [&] { lines = readListFile(absolute(LanguageList)); }))
        return {};
    if (lines.isEmpty())
        problem(LanguageList, 0, QStringLiteral("lists no language"));
    QStringList codes;
    QHash<QString, int> firstLine;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const int line = static_cast<int>(k) + 1;
        const QString &code = lines.at(k);
        // The window's own refusal: the code becomes part of file names.
        if (code.contains(u'/') || code.contains(u'\\'))
            problem(LanguageList, line,
                    QStringLiteral("the language code '%1' is not a valid file name part")
                        .arg(shortenedForMessage(code)));
        else if (code.isEmpty())
            problem(LanguageList, line,
                    QStringLiteral("an empty line where a language code "
                                   "belongs"));
        else if (firstLine.contains(code))
            add(warningAt(LanguageList, line,
                          QStringLiteral("the language '%1' again (first at line %2): the "
                                         "language box offers it twice")
                              .arg(code)
                              .arg(firstLine.value(code))));
        else {
            firstLine.insert(code, line);
            codes.append(code);
        }
    }
    return codes;
}

void WorldWalk::checkLastLanguage(int languageCount)
{
    QStringList lines;
    if (!reading(LastLanguage, [&] { lines = readListFile(absolute(LastLanguage)); }))
        return;
    const QString first = lines.value(0);
    const auto index = parseDecimal(trimControl(first));
    if (!index) {
        // The window says so at its start-up, then starts in the first language.
        add(warningAt(LastLanguage, 1,
                      notAnIntegerMessage(first) +
                          QStringLiteral(": the planner starts in the first language")));
        return;
    }
    if (languageCount > 0 && (*index < 0 || *index >= languageCount))
        add(warningAt(LastLanguage, 1,
                      QStringLiteral("language %1 is not in la.ini, which lists %2 (0 to %3): "
                                     "the planner starts in the first")
                          .arg(*index)
                          .arg(languageCount)
                          .arg(languageCount - 1)));
}

std::optional<int> WorldWalk::checkStrings(const QString &code)
{
    const QString file = stringsFile(code);
    UiStrings strings;
    if (!reading(file, [&] {
            strings.load(absolute(file));
            strings.requireInterfaceLines();
        }))
        return std::nullopt;
    const QStringList names = strings.classNames();
    if (names.isEmpty())
        problem(file, 0,
                QStringLiteral("names no class: the class names are lines %1 to %2")
                    .arg(Str::FirstClassName + 1)
                    .arg(Str::FirstClassName + MaxClassNames));
    for (qsizetype k = 0; k < names.size(); ++k) {
        if (trimControl(names.at(k)).isEmpty())
            problem(file, Str::FirstClassName + 1 + static_cast<int>(k),
                    QStringLiteral("the name of class %1 is empty").arg(*classCode(int(k))));
    }
    const int lastRead = Str::FirstClassName + MaxClassNames;
    if (strings.size() > lastRead)
        add(warningAt(file, lastRead + 1,
                      QStringLiteral("the planner reads %1 lines; this line and those after it "
                                     "are never shown")
                          .arg(lastRead)));
    return static_cast<int>(names.size());
}

void WorldWalk::checkClassNameCounts(const QStringList &languages,
                                     const QVector<std::optional<int>> &counts)
{
    qsizetype reference = -1;
    for (qsizetype k = 0; k < counts.size(); ++k) {
        if (!counts.at(k))
            continue;
        if (reference < 0) {
            reference = k;
        } else if (*counts.at(k) != *counts.at(reference)) {
            problem(stringsFile(languages.at(k)), 0,
                    QStringLiteral("names %1 classes where %2 names %3: the classes only one of "
                                   "them names cannot go through a change of language")
                        .arg(*counts.at(k))
                        .arg(stringsFile(languages.at(reference)))
                        .arg(*counts.at(reference)));
        }
    }
}

void WorldWalk::checkMoreStrings(const QString &code)
{
    const QString file = QStringLiteral("more.") + code;
    std::optional<QByteArray> bytes;
    if (const QString trouble = notARegularFile(absolute(file)); !trouble.isEmpty()) {
        problem(file, 0, trouble + QStringLiteral(": the planner shows its English texts"));
        return;
    }
    // The same read as the window's: a file that is not there leaves the English texts.
    if (!reading(file, [&] { bytes = readFileBytesIfPresent(absolute(file), MaxDataTextBytes); }) ||
        !bytes)
        return;
    for (const MoreStringsLine &line : moreStringsLines(decodeDataText(*bytes))) {
        if (line.key.isEmpty())
            add(warningAt(file, line.line,
                          QStringLiteral("no key=value on this line: the planner passes over "
                                         "it")));
        else if (!isMoreStringsKey(line.key))
            add(warningAt(file, line.line,
                          QStringLiteral("unknown key '%1': the planner has no text of that name")
                              .arg(shortenedForMessage(line.key))));
    }
}

void WorldWalk::checkArrowBitmaps()
{
    const QString folder = QStringLiteral("arrows");
    if (const QString trouble = folderTrouble(absolute(folder)); !trouble.isEmpty()) {
        problem(folder, 0, QStringLiteral("the folder of the arrow bitmaps ") + trouble);
        return;
    }
    for (const QString &name : arrowBitmapNames()) {
        QByteArray bytes;
        if (!reading(name, [&] {
                bytes = readFileBytes(absolute(name), MaxDataTextBytes);
                decodeBmp(bytes, absolute(name));
            }))
            continue;
        // The decoder draws what a file cut short leaves out: the checker must say so.
        if (const auto needed = bmpBytesNeeded(bytes); needed && *needed > bytes.size())
            problem(name, 0,
                    QStringLiteral("the bitmap is cut short: its header asks for %1 bytes, the "
                                   "file holds %2")
                        .arg(*needed)
                        .arg(bytes.size()));
    }
}
