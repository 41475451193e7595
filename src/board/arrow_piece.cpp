#include "board/arrow_piece.h"

#include "talents/slot_cell.h"

std::optional<ArrowPiece> arrowPiece(int dependantSlot, int prereqSlot, const QRect &icon)
{
    if (!TalentTable::validSlot(dependantSlot) || !TalentTable::validSlot(prereqSlot))
        return std::nullopt;
    const SlotPosition d = slotPosition(dependantSlot);
    const SlotPosition p = slotPosition(prereqSlot);
    const int dr = d.row - p.row;
    const int dc = d.column - p.column;
    const int L = icon.left();
    const int T = icon.top();
    const int W = icon.width();
    const int H = icon.height();
    if (dc == 0) {
        const int x = L + W / 2 - 10;
        switch (dr) {
        case 1:
            return ArrowPiece{QStringLiteral("d1"), {x, T - 21}};
        case 2:
            return ArrowPiece{QStringLiteral("d2"), {x, T - 42 - H}};
        case 3:
            return ArrowPiece{QStringLiteral("d3"), {x, T - 63 - 2 * H}};
        default:
            return std::nullopt;
        }
    }
    if (dr == 0 && dc == 1)
        return ArrowPiece{QStringLiteral("r1"), {L - 25, T + H / 2 - 10}};
    if (dr == 0 && dc == -1)
        return ArrowPiece{QStringLiteral("l1"), {L, T + H / 2 - 10}};
    if (dr > 0 && dc == 1)
        return ArrowPiece{QStringLiteral("b1"), {L - 28, T - 51}};
    if (dr > 0 && dc == -1)
        return ArrowPiece{QStringLiteral("a1"), {L + W / 2, T - 51}};
    return std::nullopt;
}

char arrowVariant(const Talent &dependant)
{
    if (!dependant.available)
        return 'w';
    return dependant.rank > 0 ? 'y' : 'g';
}

QString arrowBitmapName(const QString &code, char variant)
{
    return QStringLiteral("arrows/") + code + QLatin1Char(variant) + QStringLiteral(".bmp");
}

ArrowLook arrowLook(const Talent &dependant, const std::optional<ArrowPiece> &piece)
{
    if (dependant.prereq == 0)
        return {};
    const char variant = arrowVariant(dependant);
    return {variant, piece ? arrowBitmapName(piece->code, variant) : QString()};
}
