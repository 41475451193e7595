#pragma once

#include "talents/talent_table.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

// The arrow that joins a talent to its prerequisite is one bitmap piece, chosen by where the
// prerequisite stands relative to the dependant and placed next to the dependant's icon.
struct ArrowPiece {
    QString code; // "d1", "d2", "d3", "r1", "l1", "b1" or "a1"
    QPoint topLeft;
    bool operator==(const ArrowPiece &) const = default;
};

// The piece for a dependant in `dependantSlot` whose icon occupies `icon`, with its prerequisite
// in `prereqSlot` of the same tree. Relative positions no piece draws (two or more columns away,
// more than three rows straight up, below the dependant, the same cell) have none.
std::optional<ArrowPiece> arrowPiece(int dependantSlot, int prereqSlot, const QRect &icon);

// The variant letter that shows the dependant's state: 'w' locked, 'g' open, 'y' taken.
char arrowVariant(const Talent &dependant);

// "arrows/d1g.bmp": the bitmap of a piece in a variant, under the data folder.
QString arrowBitmapName(const QString &code, char variant);

// What an arrow shows for its dependant as it stands: the variant of its state ('w' while it has
// no prerequisite) and the bitmap of its piece in that variant, empty when it has no piece.
struct ArrowLook {
    char variant = 'w';
    QString bitmap;
};
ArrowLook arrowLook(const Talent &dependant, const std::optional<ArrowPiece> &piece);

inline constexpr int ArrowCapacity = 30;
