#include "ui/arrow_layer.h"

#include "base/error.h"
#include "board/key_colour.h"
#include "board/trees_picture.h"
#include "talents/talent_table.h"

ArrowLayer::ArrowLayer(const QString &dataFolder) : dataFolder_(dataFolder) {}

void ArrowLayer::setPicture(ArrowEntry &entry, const QImage &bitmap)
{
    ++reads_;
    auto keyed = keyed_.constFind(bitmap.cacheKey());
    if (keyed == keyed_.constEnd())
        keyed = keyed_.insert(bitmap.cacheKey(), withoutKeyColour(asShown(bitmap)));
    entry.picture = *keyed;
    entry.shown = !entry.picture.isNull();
}

QVector<StagedArrow> ArrowLayer::stage(const TalentTable &table, const QVector<ArrowPlace> &places)
{
    // A class load looks at the data folder afresh, the arrow bitmaps with the rest: a bitmap
    // that went missing or was changed since is read again (and reported if it is now broken).
    bitmaps_.newRound();
    keyed_.clear();
    QVector<StagedArrow> staged;
    staged.reserve(places.size());
    for (const ArrowPlace &place : places) {
        const ArrowLook look =
            arrowLook(table.at(place.dependant.slot, place.dependant.tree), place.piece);
        staged.append(
            {place, look.variant,
             look.bitmap.isEmpty() ? QImage() : bitmaps_.picture(dataFolder_ + look.bitmap)});
    }
    return staged;
}

void ArrowLayer::show(const QVector<StagedArrow> &arrows)
{
    count_ = static_cast<int>(arrows.size());
    for (size_t k = 0; k < entries_.size(); ++k) {
        ArrowEntry &entry = entries_[k];
        entry = ArrowEntry();
        if (k >= static_cast<size_t>(arrows.size()))
            continue;
        const StagedArrow &arrow = arrows[static_cast<qsizetype>(k)];
        entry.slot = arrow.place.dependant.slot;
        entry.tree = arrow.place.dependant.tree;
        entry.variant = arrow.variant;
        entry.piece = arrow.place.piece;
        if (entry.piece) {
            entry.at = entry.piece->topLeft;
            setPicture(entry, arrow.bitmap);
        }
    }
}

QRegion ArrowLayer::refresh(const TalentTable &table)
{
    QRegion changed;
    for (int k = 0; k < count_; ++k) {
        ArrowEntry &entry = entries_[static_cast<size_t>(k)];
        const ArrowLook look = arrowLook(table.at(entry.slot, entry.tree), entry.piece);
        if (entry.variant == look.variant)
            continue;
        const QRect before = entry.shown ? QRect(entry.at, entry.picture.size()) : QRect();
        // The new letter stays even when its bitmap cannot be read: the arrow keeps its last
        // picture.
        entry.variant = look.variant;
        if (!look.bitmap.isEmpty())
            setPicture(entry, bitmaps_.picture(dataFolder_ + look.bitmap));
        changed += before;
        if (entry.shown)
            changed += QRect(entry.at, entry.picture.size());
    }
    return changed;
}
