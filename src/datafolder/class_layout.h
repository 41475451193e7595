#pragma once

#include "talents/talent_table.h"

#include <QString>
#include <array>

// Which talents a class places and how many ranks each has, read from its tree files without
// touching the board: what a plan file is checked against before it is applied.
class ClassLayout {
public:
    bool present(int slot, int tree) const { return cell(slot, tree).present; }
    int maxRank(int slot, int tree) const { return cell(slot, tree).maxRank; }

    void set(int slot, int tree, bool present, int maxRank)
    {
        cell(slot, tree) = {present, maxRank};
    }

private:
    struct Cell {
        bool present = false;
        int maxRank = 0;
    };
    Cell &cell(int slot, int tree) { return cells_.at(tree - 1).at(slot - 1); }
    const Cell &cell(int slot, int tree) const { return cells_.at(tree - 1).at(slot - 1); }
    std::array<std::array<Cell, SlotsPerTree>, TreeCount> cells_{};
};

// The talents of a class as its tree files and pictures place them, without reading a picture:
// names, maximum ranks and prerequisites, every rank 0. Throws Error as the class load would for a
// tree file it cannot read or parse.
TalentTable readClassTalents(const QString &classFolder, const QString &langCode);

// Reads the three tree files "<classFolder>/<t>/tal.<langCode>"; a talent is present when its
// icon file exists. Throws Error as the class load would for a file it cannot read or parse.
ClassLayout readClassLayout(const QString &classFolder, const QString &langCode);
