#pragma once

#include <QString>
#include <QStringList>

// The data folder and the language a start of the planner works in, as la.ini, last.ini and the
// language asked for choose them. The window and the modes without one act differently on what
// went wrong (one ends its start where the other goes on), so the choice tells and never decides.
struct DataChoice {
    QString dataFolder;   // absolute, ending in '/'
    QString languageList; // la.ini, named from the folder as it was given
    QString lastLanguage; // the data folder's last.ini, named likewise
    bool notAFolder = false;
    // la.ini is not there (so neither is anything else): nothing more was read. The error says
    // why it could not be opened.
    bool languageListMissing = false;
    QString languageListError;
    QStringList languages; // la.ini's codes, in its order
    // Into `languages`: the language asked for, else the one last.ini keeps, else the first.
    int languageIndex = 0;
    bool requestedUnknown = false; // the language asked for is not in `languages`
    // The data folder's last.ini is not there. The index is still read, from the user's copy
    // where there is one.
    bool lastLanguageMissing = false;
    QString lastLanguageUnreadable; // why the file keeping the index cannot be read
    QString lastLanguageNotANumber; // "<file>: <what it holds instead>"

    QString language() const { return languages.value(languageIndex); }
    // The language a window starts in: the one chosen, or the first when the index kept in
    // last.ini lies past the list.
    int windowLanguageIndex() const
    {
        return languageIndex >= 0 && languageIndex < languages.size() ? languageIndex : 0;
    }
};

// Reads the choice from `dataFolder` (as the user named it, or the default) for the language
// `requested` (empty for none). The index is read from the file LanguageMemory chooses. Throws
// DataFolderError when la.ini is there and cannot be read.
DataChoice chooseDataAndLanguage(const QString &dataFolder, const QString &requested);
