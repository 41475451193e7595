#pragma once

#include "talents/talent_table.h"

#include <QString>
#include <array>
#include <optional>

// The ranks of a whole board, [tree - 1][slot - 1]: what a plan holds and what a step of the
// history goes between.
using RankGrid = std::array<std::array<int, SlotsPerTree>, TreeCount>;

// The ranks on a table; slots without a placed talent hold 0.
RankGrid ranksOf(const TalentTable &table);

// Puts `ranks` on the table's placed talents (other slots keep 0), brings the point counters up
// to date and re-evaluates every tree, as if the points had been spent press by press.
void setRanks(TalentTable &table, const RankGrid &ranks);

// Why `ranks` cannot stand on the table's class: a rank on a slot without a placed talent, above
// the talent's number of ranks, or more points than the budget. Nothing when they fit.
std::optional<QString> ranksMisfit(const TalentTable &table, const RankGrid &ranks);
