#pragma once

#include <QString>
#include <array>
#include <optional>

inline constexpr int TreeCount = 3;
inline constexpr int SlotsPerTree = 44;
inline constexpr int ColumnsPerRow = 4;
inline constexpr int RowsPerTree = 11;
inline constexpr int MaxRankLimit = 5;
inline constexpr int PointBudget = 71;
inline constexpr int PointsPerTier = 5;
inline constexpr int TreeNameLength = 50;

// One talent of the loaded class. Only the data lives here; the controls that show it are the
// board's (see board/talent_cell.h).
struct Talent {
    int prereq = 0;                                 // slot in the same tree, 0 = none
    std::array<QString, MaxRankLimit + 1> rankText; // entries 1..maxRank are used
    QString name;
    int maxRank = 0;
    int rank = 0;
    bool present = false; // placed on the board: its icon was found and shown
    int slot = 0;
    int row = 0;
    int column = 0;
    bool available = false; // last requirement result, kept by the tree re-evaluation
};

// The talents of the loaded class, 44 slots by 3 trees, both numbered from 1, with the point
// counters and the tree names.
class TalentTable {
public:
    Talent &at(int slot, int tree);
    const Talent &at(int slot, int tree) const;

    int &treePoints(int tree);
    int treePoints(int tree) const;
    QString &treeName(int tree);
    const QString &treeName(int tree) const;

    int totalPoints = 0;

    // The reset at the start of a class load: numbers and flags go, texts stay.
    void reset();

    static bool validSlot(int slot) { return slot >= 1 && slot <= SlotsPerTree; }
    static bool validTree(int tree) { return tree >= 1 && tree <= TreeCount; }

private:
    std::array<std::array<Talent, SlotsPerTree>, TreeCount> talents_{};
    std::array<int, TreeCount> treePoints_{};
    std::array<QString, TreeCount> treeNames_;
};

// Folder names of the ten classes, in the order of the class box.
inline constexpr std::array<const char *, 10> classCodes = {"Dd", "Dr", "Hu", "Mg", "Pl",
                                                            "Pr", "Rg", "Sh", "Wl", "Wr"};

// The folder code of a class box index, or nothing when the index names no class.
std::optional<QString> classCode(int index);
// The class box index of a folder code, or nothing when no class has that code.
std::optional<int> classIndexOf(const QString &code);
