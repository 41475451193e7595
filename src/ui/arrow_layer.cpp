#include "ui/arrow_layer.h"

#include "base/error.h"
#include "board/key_colour.h"
#include "talents/talent_table.h"

ArrowLayer::ArrowLayer(const QString &dataFolder) : dataFolder_(dataFolder) {}

void ArrowLayer::setPicture(ArrowEntry &entry, const QImage &bitmap)
{
    ++reads_;
    auto keyed = keyed_.constFind(bitmap.cacheKey());
    if (keyed == keyed_.constEnd()) {
        const QImage shown = bitmap.format() == QImage::Format_RGB32
                                 ? bitmap
                                 : bitmap.convertToFormat(QImage::Format_RGB32);
        keyed = keyed_.insert(bitmap.cacheKey(), withoutKeyColour(shown));
    }
    entry.picture = *keyed;
    entry.shown = !entry.picture.isNull();
}

QVector<StagedArrow>
ArrowLayer::stage(const TalentTable &table, const QVector<QPoint> &order,
                  const std::array<std::array<QRect, SlotsPerTree>, TreeCount> &iconRects)
{
    // A class load looks at the data folder afresh, the arrow bitmaps with the rest: a bitmap
    // that went missing or was changed since is read again (and reported if it is now broken).
    bitmaps_.newRound();
    keyed_.clear();
    QVector<StagedArrow> staged;
    staged.reserve(order.size());
    for (const QPoint &at : order) {
        StagedArrow arrow;
        arrow.slot = at.x();
        arrow.tree = at.y();
        arrow.dependantIcon = iconRects[arrow.tree - 1][arrow.slot - 1];
        const Talent &dependant = table.at(arrow.slot, arrow.tree);
        // A later block of the same slot may have taken the prerequisite away: the arrow stays
        // registered but has nothing to point at.
        if (dependant.prereq != 0) {
            arrow.variant = arrowVariant(dependant);
            arrow.piece = arrowPiece(arrow.slot, dependant.prereq, arrow.dependantIcon);
        }
        if (arrow.piece) {
            arrow.bitmap =
                bitmaps_.picture(dataFolder_ + arrowBitmapName(arrow.piece->code, arrow.variant));
        }
        staged.append(std::move(arrow));
    }
    return staged;
}

void ArrowLayer::show(const QVector<StagedArrow> &arrows)
{
    count_ = static_cast<int>(arrows.size());
    for (size_t k = 0; k < entries_.size(); ++k) {
        ArrowEntry &entry = entries_[k];
        if (k >= static_cast<size_t>(arrows.size())) {
            entry = ArrowEntry();
            continue;
        }
        const StagedArrow &arrow = arrows[static_cast<qsizetype>(k)];
        entry.slot = arrow.slot;
        entry.tree = arrow.tree;
        entry.dependantIcon = arrow.dependantIcon;
        entry.variant = arrow.variant;
        if (!arrow.piece) {
            entry.shown = false;
            continue;
        }
        entry.at = arrow.piece->topLeft;
        setPicture(entry, arrow.bitmap);
    }
}

void ArrowLayer::setVariant(const TalentTable &table, int k, char variant)
{
    ArrowEntry &entry = entries_[static_cast<size_t>(k)];
    const Talent &dependant = table.at(entry.slot, entry.tree);
    entry.variant = variant;
    const auto piece = arrowPiece(entry.slot, dependant.prereq, entry.dependantIcon);
    if (!piece) {
        // No piece draws this relation: the talent simply has no visible arrow.
        entry.shown = false;
        return;
    }
    entry.at = piece->topLeft;
    // A slot named again later in its tree file may get a piece after an earlier block had none.
    setPicture(entry, bitmaps_.picture(dataFolder_ + arrowBitmapName(piece->code, variant)));
}

QRegion ArrowLayer::refresh(const TalentTable &table)
{
    QRegion changed;
    for (int k = 0; k < count_; ++k) {
        ArrowEntry &entry = entries_[static_cast<size_t>(k)];
        const QRect before = entry.shown ? QRect(entry.at, entry.picture.size()) : QRect();
        const Talent &dependant = table.at(entry.slot, entry.tree);
        if (dependant.prereq == 0) {
            // A later block of the same slot took the prerequisite away: nothing to point at.
            entry.shown = false;
            changed += before;
            continue;
        }
        const char wanted = arrowVariant(dependant);
        if (entry.variant != wanted) {
            setVariant(table, k, wanted);
            changed += before;
            if (entry.shown)
                changed += QRect(entry.at, entry.picture.size());
        }
    }
    return changed;
}
