// The data folder's own files: the language list, the last language, the strings and
// more-strings files and the arrow bitmaps.
#include "shell/world_check.h"

#include "base/error.h"
#include "base/read_file.h"
#include "board/arrow_rules.h"
#include "datafolder/more_strings.h"
#include "datafolder/picture_file.h"
#include "datafolder/ui_strings.h"
#include "shell/world_check_walk.h"
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
    const QStringList languages = checkLanguageList();
    checkLastLanguage(static_cast<int>(languages.size()));
    QVector<std::optional<int>> classNameCounts;
    for (const QString &code : languages)
        classNameCounts.append(checkStrings(code));
    checkClassNameCounts(languages, classNameCounts);
    for (const QString &code : languages)
        checkMoreStrings(code);
    checkArrowBitmaps();
    int classesNamed = 0;
    for (const std::optional<int> &count : classNameCounts)
        classesNamed = std::max(classesNamed, count.value_or(0));
    for (int k = 0; k < static_cast<int>(classCodes.size()); ++k)
        checkClass(k, languages, classesNamed);
    return found_;
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
        problem(LastLanguage, 1, notAnIntegerMessage(first));
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
    for (const QString &name : arrowBitmapNames())
        reading(name, [&] { loadPictureFile(absolute(name)); });
}
