#include "datafolder/data_choice.h"

#include "datafolder/data_folder_error.h"
#include "datafolder/language_memory.h"
#include "talents/text_lines.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The index last.ini keeps; told into `choice` when it cannot be had.
std::optional<int> rememberedIndex(DataChoice &choice)
{
    choice.lastLanguageMissing = !QFileInfo::exists(choice.lastLanguage);
    const QString file = LanguageMemory::beside(choice.lastLanguage).fileToRead();
    QString first;
    try {
        first = readListFile(file).value(0);
    } catch (const Error &e) {
        choice.lastLanguageUnreadable = e.message();
        return std::nullopt;
    }
    const auto index = parseDecimal(trimControl(first));
    if (!index)
        choice.lastLanguageNotANumber = file + QStringLiteral(": ") + notAnIntegerMessage(first);
    return index;
}

} // namespace

DataChoice chooseDataAndLanguage(const QString &dataFolder, const QString &requested)
{
    const QDir folder(dataFolder);
    DataChoice choice;
    choice.dataFolder = folder.absolutePath() + u'/';
    choice.languageList = folder.filePath(QStringLiteral("la.ini"));
    choice.lastLanguage = folder.filePath(QStringLiteral("last.ini"));
    choice.notAFolder = !QFileInfo(dataFolder).isDir();
    try {
        choice.languages = readListFile(choice.languageList);
    } catch (const Error &e) {
        if (QFileInfo::exists(choice.languageList))
            throw DataFolderError(e.message());
        choice.languageListMissing = true;
        choice.languageListError = e.message();
        return choice;
    }
    // An index past the list, as one that is not a number, starts in the first language.
    const std::optional<int> remembered = rememberedIndex(choice);
    if (remembered && *remembered >= 0 && *remembered < choice.languages.size())
        choice.languageIndex = *remembered;
    if (!requested.isEmpty()) {
        const qsizetype asked = choice.languages.indexOf(requested);
        choice.requestedUnknown = asked < 0;
        if (asked >= 0)
            choice.languageIndex = static_cast<int>(asked);
    }
    return choice;
}
