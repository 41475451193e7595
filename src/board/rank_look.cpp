#include "board/rank_look.h"

RankLook rankLook(const Talent &talent, int totalPoints)
{
    RankLook look;
    look.text = QString::number(talent.rank) + u'/' + QString::number(talent.maxRank);
    look.colour = talent.available && totalPoints < PointBudget ? RankGreen : RankWhite;
    if (talent.rank == talent.maxRank)
        look.colour = RankGold;
    return look;
}
