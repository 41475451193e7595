#pragma once

#include "talents/build_difference.h"

#include <QColor>
#include <QString>

// What the board marks while it is compared with another build.

// A talent's badge: the board's rank minus the compared build's ("+2" black on lime, "-3" white on
// red), drawn on the icon's top left corner, 12 pixels high and as wide as its text and 4 pixels.
struct ComparisonBadge {
    QString text;
    QColor ink;
    QColor fill;
};
inline constexpr int BadgeHeight = 12;
inline constexpr int BadgePadding = 2; // on each side of the text

// The badge of a difference that is not 0.
ComparisonBadge comparisonBadge(int difference);

// A tree's label with the tree's sums added: "Frostfire: 21 (+5 -3)", a sum of 0 left out, the
// label alone when both are.
QString comparedTreeLabel(const QString &label, const TreeSums &sums);
