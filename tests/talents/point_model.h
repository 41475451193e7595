#pragma once

#include <QList>
#include <array>

// A second, deliberately plain statement of how points may be spent and given back, used to check
// the planner's rules over long random press sequences. It knows nothing of the planner's code:
// a tree is a list of talents and the ranks they hold.
//
// Its refund rule asks the question directly: take the point away, then see whether every talent
// still holding points still meets its requirements. The planner's rule takes two shortcuts that
// only differ on trees whose prerequisites point to a lower row, which the test trees avoid.

struct ModelTalent {
    int slot;
    int maxRank;
    int prereq; // 0 = none
};

class PointModel {
public:
    static constexpr int trees = 3;
    static constexpr int slotsPerTree = 44;
    static constexpr int budget = 71;
    static constexpr int pointsPerRow = 5;

    explicit PointModel(const std::array<QList<ModelTalent>, trees> &layout) : layout_(layout) {}

    static int rowOf(int slot) { return (slot - 1) / 4 + 1; }

    bool placed(int tree, int slot) const { return find(tree, slot) != nullptr; }
    int rank(int tree, int slot) const { return ranks_[tree - 1][slot - 1]; }

    int treePoints(int tree) const
    {
        int sum = 0;
        for (int r : ranks_[tree - 1])
            sum += r;
        return sum;
    }

    int total() const
    {
        int sum = 0;
        for (int tree = 1; tree <= trees; ++tree)
            sum += treePoints(tree);
        return sum;
    }

    bool requirementsMet(int tree, int slot) const { return requirementsMet(tree, slot, ranks_); }

    bool maySpend(int tree, int slot) const
    {
        const ModelTalent *t = find(tree, slot);
        return t && total() < budget && rank(tree, slot) < t->maxRank &&
               requirementsMet(tree, slot);
    }

    bool mayRefund(int tree, int slot) const
    {
        if (rank(tree, slot) == 0)
            return false;
        Ranks after = ranks_;
        --after[tree - 1][slot - 1];
        for (const ModelTalent &t : layout_[tree - 1]) {
            if (after[tree - 1][t.slot - 1] > 0 && !requirementsMet(tree, t.slot, after))
                return false;
        }
        return true;
    }

    void spend(int tree, int slot) { ++ranks_[tree - 1][slot - 1]; }
    void refund(int tree, int slot) { --ranks_[tree - 1][slot - 1]; }

    // Every talent holding points meets its requirements: the state a legal history leaves.
    bool everyInvestedTalentLegal() const
    {
        for (int tree = 1; tree <= trees; ++tree) {
            for (const ModelTalent &t : layout_[tree - 1]) {
                if (rank(tree, t.slot) > 0 && !requirementsMet(tree, t.slot))
                    return false;
            }
        }
        return true;
    }

private:
    using Ranks = std::array<std::array<int, slotsPerTree>, trees>;

    const ModelTalent *find(int tree, int slot) const
    {
        for (const ModelTalent &t : layout_[tree - 1]) {
            if (t.slot == slot)
                return &t;
        }
        return nullptr;
    }

    bool requirementsMet(int tree, int slot, const Ranks &ranks) const
    {
        const ModelTalent *t = find(tree, slot);
        if (!t)
            return false;
        int above = 0;
        for (int s = 1; s <= slotsPerTree; ++s) {
            if (rowOf(s) < rowOf(slot))
                above += ranks[tree - 1][s - 1];
        }
        if (above < pointsPerRow * (rowOf(slot) - 1))
            return false;
        if (t->prereq == 0)
            return true;
        const ModelTalent *p = find(tree, t->prereq);
        return p && ranks[tree - 1][p->slot - 1] == p->maxRank;
    }

    std::array<QList<ModelTalent>, trees> layout_;
    Ranks ranks_{};
};
