#pragma once

#include "talents/rank_grid.h"
#include "talents/talent_table.h"

#include <QPoint>
#include <QString>
#include <QVector>
#include <array>
#include <optional>
#include <variant>

// A build code: one line of text that holds a plan, for sharing in chat. docs/build-code.md
// describes the format; these functions only write and read it, and know nothing of the data
// folder: whether the class exists and the ranks fit its trees is the caller's business.

struct BuildCode {
    QString classCode;                             // two letters, "Dd"
    RankGrid ranks{};                              // [tree-1][slot-1], 0..5
    std::array<quint32, TreeCount> fingerprints{}; // 18 bits each
    std::optional<QVector<QPoint>> order;          // (slot, tree) of each point in the order spent
    bool operator==(const BuildCode &) const = default;
};

enum class BuildCodeError { NotACode, Damaged, NewerFormat };

// The 18-bit fingerprint of a tree as its tree file places it: for each placed talent
// (table.at(slot,tree).present) in ascending slot order, its slot, maxRank and prereq; FNV-1a over
// those numbers, folded to 18 bits. A code made on other trees shows it by a different fingerprint.
quint32 treeFingerprint(const TalentTable &table, int tree);

// The fingerprints of all three trees of a table.
std::array<quint32, TreeCount> treeFingerprints(const TalentTable &table);

// Precondition: classCode two ASCII letters, ranks 0..5, order (if any) consistent with ranks, and
// with an order no more than the 71 points. Returns the code text.
QString encodeBuildCode(const BuildCode &code);

// The first build code found in `text`, or why there is none.
std::variant<BuildCode, BuildCodeError> findBuildCode(const QString &text);

// The English words of an error: "not a build code", "damaged build code: check the characters",
// "a build code for a newer format".
QString buildCodeErrorText(BuildCodeError error);
