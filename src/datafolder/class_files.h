#pragma once

#include "datafolder/outcome.h"
#include "talents/talent_table.h"
#include "talents/tree_file.h"

#include <QImage>
#include <QString>
#include <array>
#include <optional>

// A talent's picture as the board shows it: in colour, and in grey for while it is locked.
struct TalentPicture {
    QImage colour;
    QImage grey;
};

// The files of one tree folder, each read (and a picture decoded) or the error it gave.
struct TreeFolderFiles {
    QString treeFilePath;
    Outcome<QImage> background;
    Outcome<QImage> emblem;
    Outcome<TreeFile> treeFile;
    // By slot, for the slots the tree file names: the talent's picture, or nothing when its file
    // is not there. Nothing is settled for the other slots, nor for any when the tree file could
    // not be read.
    std::array<Outcome<std::optional<TalentPicture>>, SlotsPerTree> talentPictures;
};

// Reads the three tree folders of a class (`classFolder` without a separator at its end) in the
// language `languageCode`, its pictures decoded (and the talents' greyed) on every core. Returns
// once every file is done; an error of a file never throws here, it waits in that file's outcome,
// so that the caller meets the errors in an order of its own, whatever thread failed first.
std::array<TreeFolderFiles, TreeCount> readClassFiles(const QString &classFolder,
                                                      const QString &languageCode);
