#pragma once

#include <array>

// The point rules as a player reads them, written apart from the program's own and used to check
// the program over long random press sequences: a row opens at five points per row above it in
// its tree; a prerequisite must be at full rank; 71 points in all; a point goes back only if
// everything still spent stays legal. It knows nothing of the program's code: a tree is 44 slots,
// each holding a talent or nothing.
//
// Its refund rule asks the question directly: take the point away, then see whether every talent
// still holding points still meets its requirements. The program's rule takes two shortcuts that
// only differ on trees whose prerequisites point to a lower row, which the test trees avoid.
struct ModelTalent {
    int maxRank = 0;
    int prereq = 0; // 0 = none
    bool placed = false;
    int rank = 0;
};

class PointRulesModel {
public:
    static int rowOf(int slot) { return (slot - 1) / 4 + 1; }

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

    // The talent's requirements are met: enough points in the rows above, prerequisite full.
    bool open(int slot, int tree) const
    {
        const int row = rowOf(slot);
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
        return m.placed && total() < 71 && open(slot, tree) && m.rank < m.maxRank;
    }

    bool mayRefund(int slot, int tree) const
    {
        if (talent(slot, tree).rank == 0)
            return false;
        PointRulesModel after = *this;
        --after.talent(slot, tree).rank;
        return after.treeLegal(tree);
    }

    // Every talent holding points meets its requirements: the state a legal history leaves.
    bool everyInvestedTalentLegal() const { return treeLegal(1) && treeLegal(2) && treeLegal(3); }

private:
    bool treeLegal(int tree) const
    {
        for (int s = 1; s <= 44; ++s) {
            if (talent(s, tree).rank > 0 && !open(s, tree))
                return false;
        }
        return true;
    }

    std::array<std::array<ModelTalent, 44>, 3> talents_{};
};
