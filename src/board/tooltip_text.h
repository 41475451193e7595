#pragma once

#include "talents/talent_table.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Every double mark "<br /><br />", taken from the left, becomes one carriage return; a single
// "<br />" stays as it is.
QString convertLineBreaks(const QString &text);

// The words of the current language that the tooltip is made of.
struct TooltipWords {
    QString needsOpen;   // before the number of a requirement line
    QString needsMiddle; // between the number and the name
    QString needsClose;  // after the name
    QString nextRank;    // heading over the next rank's text
    QString rank;        // label of the rank line
};

struct TooltipTexts {
    QString name;
    QString rankLine;
    QString comparedLine; // the compared build's rank while the board is compared; else empty
    QString requirements;
    QString description;
};

TooltipTexts tooltipTexts(const TalentTable &table, int slot, int tree, const TooltipWords &words);

// Where the panel stands beside an icon: right of it for trees 1 and 2, left of it for tree 3,
// 5 pixels away; level with its top for rows 1 to 8, above it for rows 9 to 11.
QPoint tooltipPosition(const QRect &icon, const QSize &panel, int slot, int tree);
