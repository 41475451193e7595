#include "talents/talent_table.h"

#include <stdexcept>

namespace {
void checkCell(int slot, int tree)
{
    if (!TalentTable::validSlot(slot) || !TalentTable::validTree(tree))
        throw std::out_of_range("talent table index out of range");
}
} // namespace

Talent &TalentTable::at(int slot, int tree)
{
    checkCell(slot, tree);
    return talents_[tree - 1][slot - 1];
}

const Talent &TalentTable::at(int slot, int tree) const
{
    checkCell(slot, tree);
    return talents_[tree - 1][slot - 1];
}

int &TalentTable::treePoints(int tree)
{
    checkCell(1, tree);
    return treePoints_[tree - 1];
}

int TalentTable::treePoints(int tree) const
{
    checkCell(1, tree);
    return treePoints_[tree - 1];
}

QString &TalentTable::treeName(int tree)
{
    checkCell(1, tree);
    return treeNames_[tree - 1];
}

const QString &TalentTable::treeName(int tree) const
{
    checkCell(1, tree);
    return treeNames_[tree - 1];
}

void TalentTable::reset()
{
    totalPoints = 0;
    treePoints_.fill(0);
    for (auto &tree : talents_) {
        for (Talent &t : tree) {
            t.prereq = 0;
            t.maxRank = 0;
            t.rank = 0;
            t.present = false;
        }
    }
}

std::optional<QString> classCode(int index)
{
    if (index < 0 || index >= static_cast<int>(classCodes.size()))
        return std::nullopt;
    return QString::fromLatin1(classCodes[static_cast<size_t>(index)]);
}

std::optional<int> classIndexOf(const QString &code)
{
    for (size_t k = 0; k < classCodes.size(); ++k) {
        if (code == QLatin1String(classCodes[k]))
            return static_cast<int>(k);
    }
    return std::nullopt;
}
