#pragma once

#include <array>

// The point rules as a player reads them, written apart from the program's own: a row opens at
// five points per row above it in its tree; a prerequisite must be at full rank; 71 points in
// all; a point goes back only if everything still spent stays legal.
struct ModelTalent {
    int maxRank = 0;
    int prereq = 0;
    bool placed = false;
    int rank = 0;
};

class PointRulesModel {
public:
    ModelTalent &talent(int slot, int tree) { return talents_[tree - 1][slot - 1]; }
    const ModelTalent &talent(int slot, int tree) const { return talents_[tree - 1][slot - 1]; }

    int treeTotal(int tree) const
    {
        int sum = 0;
        for (const ModelTalent &m : talents_[tree - 1])
            sum += m.rank;
        return sum;
    }
    int total() const { return treeTotal(1) + treeTotal(2) + treeTotal(3); }

    bool open(int slot, int tree) const
    {
        const int row = (slot - 1) / 4 + 1;
        int above = 0;
        for (int s = 1; s <= (row - 1) * 4; ++s)
            above += talent(s, tree).rank;
        if (above < 5 * (row - 1))
            return false;
        const int p = talent(slot, tree).prereq;
        return p == 0 || talent(p, tree).rank == talent(p, tree).maxRank;
    }

    bool maySpend(int slot, int tree) const
    {
        const ModelTalent &m = talent(slot, tree);
        return total() < 71 && open(slot, tree) && m.rank < m.maxRank;
    }

    bool mayRefund(int slot, int tree)
    {
        ModelTalent &m = talent(slot, tree);
        if (m.rank == 0)
            return false;
        --m.rank;
        bool legal = true;
        for (int s = 1; s <= 44 && legal; ++s) {
            if (talent(s, tree).rank > 0 && !open(s, tree))
                legal = false;
        }
        ++m.rank;
        return legal;
    }

private:
    std::array<std::array<ModelTalent, 44>, 3> talents_{};
};
