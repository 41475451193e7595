#pragma once

#include "talents/talent_table.h"

#include <QColor>
#include <QString>

// What a talent's rank label shows: "rank/maxRank" in white, green while the talent is open and
// the budget not spent, gold at full rank.
struct RankLook {
    QString text;
    QColor colour;
};

inline const QColor RankWhite{255, 255, 255};
inline const QColor RankGreen{0, 255, 0};
inline const QColor RankGold{255, 216, 0};

RankLook rankLook(const Talent &talent, int totalPoints);
