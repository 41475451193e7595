#pragma once

#include "talents/talent_table.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QVector>
#include <array>

// A class read and decoded whole, before anything of it is shown: a class that fails to load
// leaves the board as it was.
struct PreparedClass {
    int classIndex = -1;
    TalentTable table; // the placed talents, every rank 0
    std::array<QImage, TreeCount> backgrounds;
    std::array<QImage, TreeCount> emblems;
    // The pictures of placed talents, in colour and in grey; null where no talent is placed.
    std::array<std::array<QImage, SlotsPerTree>, TreeCount> colourIcons;
    std::array<std::array<QImage, SlotsPerTree>, TreeCount> greyIcons;
    // The talents with a prerequisite as (slot, tree), in the order their tree files name them
    // first: the order their arrows take.
    QVector<QPoint> arrowOrder;
};

// Reads the class of `classIndex` from the data folder (a path ending in a separator) in the
// language `languageCode`: the three backgrounds and emblems, tree files and talent pictures.
// Throws Error naming the file and the reason, as the board's load reports it.
PreparedClass prepareClass(const QString &dataFolder, int classIndex, const QString &languageCode);
