#pragma once

#include <QString>

// Where the index of the last language is kept between runs. A copy of the planner whose data
// folder it may write keeps it in the data folder's last.ini, as it always has. An installed copy
// cannot write there, so it keeps it in a last.ini of its own in the user's configuration folder
// and reads it back from there.
class LanguageMemory {
public:
    LanguageMemory(QString dataFile, QString userFile);
    // The memory of a planner whose data folder holds `dataFile`, with the user's file in the
    // application's configuration folder.
    static LanguageMemory beside(const QString &dataFile);

    const QString &dataFile() const { return dataFile_; }
    const QString &userFile() const { return userFile_; }

    // Whether a write of the data folder's file can succeed: it is a file, and both it and its
    // folder are writable (the file is replaced whole, through a new file in that folder).
    bool dataFileWritable() const;
    // The file the start-up reads the index from: the user's file when the data folder's one
    // cannot be written and the user's exists; the data folder's file otherwise.
    QString fileToRead() const;
    // Writes the index to the data folder's file, or to the user's file when that fails or cannot
    // succeed. Throws Error with both reasons when neither can be written.
    void remember(int index) const;

private:
    QString dataFile_;
    QString userFile_;
};
