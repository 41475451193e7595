#include "board/refusal_text.h"

#include "talents/rules.h"
#include "talents/slot_cell.h"

namespace {

QString rowNeeds(const RefusalWords &words, int row)
{
    return words.rowNeeds.arg(row).arg(tierRequirement(row));
}

QString leftRefusal(const TalentTable &table, int slot, int tree, const RefusalWords &words)
{
    const TalentAccess access = talentAccess(table, slot, tree);
    switch (access.kind) {
    case TalentAccess::Kind::Open:
        return {};
    case TalentAccess::Kind::Full:
        return words.full;
    case TalentAccess::Kind::NeedsPoints:
        return rowNeeds(words, slotPosition(slot).row);
    case TalentAccess::Kind::NeedsPrerequisite: {
        const Talent &p = table.at(access.prerequisite, tree);
        return words.needsPrerequisite.arg(p.name).arg(p.maxRank);
    }
    case TalentAccess::Kind::NoPointsLeft:
        return words.noPointsLeft;
    }
    return {};
}

QString rightRefusal(const TalentTable &table, int slot, int tree, const RefusalWords &words)
{
    if (table.at(slot, tree).rank <= 0)
        return {};
    const RefundBlock block = refundBlock(table, slot, tree);
    switch (block.kind) {
    case RefundBlock::Kind::None:
        return {};
    case RefundBlock::Kind::Dependent:
        return words.heldBy.arg(table.at(block.slot, tree).name);
    case RefundBlock::Kind::Row:
        return rowNeeds(words, block.row);
    }
    return {};
}

} // namespace

QString refusalText(const TalentTable &table, int slot, int tree, PressButton button,
                    const RefusalWords &words)
{
    if (!TalentTable::validTree(tree) || !TalentTable::validSlot(slot) ||
        !table.at(slot, tree).present)
        return {};
    switch (button) {
    case PressButton::Left:
        return leftRefusal(table, slot, tree, words);
    case PressButton::Right:
        return rightRefusal(table, slot, tree, words);
    case PressButton::Middle:
        return {};
    }
    return {};
}
