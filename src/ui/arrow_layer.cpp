#include "ui/arrow_layer.h"

#include "base/error.h"
#include "talents/talent_table.h"
#include "toolkit/image_control.h"

ArrowLayer::ArrowLayer(QWidget &window, const QString &dataFolder) : dataFolder_(dataFolder)
{
    for (ArrowEntry &entry : entries_) {
        entry.image = new ImageControl(&window);
        entry.image->setAutoSize(true);
        entry.image->setTransparent(true);
        entry.image->hide();
        // A press on an arrow reaches the tree below it, as on any empty place.
        entry.image->setAttribute(Qt::WA_TransparentForMouseEvents);
        entry.image->setAccessibleName(QStringLiteral("Prerequisite arrow"));
        entry.image->setAccessibleDescription(
            QStringLiteral("Points from a talent to the talent that needs it"));
    }
}

QVector<StagedArrow>
ArrowLayer::stage(const TalentTable &table, const QVector<QPoint> &order,
                  const std::array<std::array<QRect, SlotsPerTree>, TreeCount> &iconRects)
{
    // A class load looks at the data folder afresh, the arrow bitmaps with the rest: a bitmap
    // that went missing or was changed since is read again (and reported if it is now broken).
    bitmaps_.newRound();
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
            ImageControl *image = entry.image;
            entry = ArrowEntry();
            entry.image = image;
            image->hide();
            continue;
        }
        const StagedArrow &arrow = arrows[static_cast<qsizetype>(k)];
        entry.slot = arrow.slot;
        entry.tree = arrow.tree;
        entry.dependantIcon = arrow.dependantIcon;
        entry.variant = arrow.variant;
        if (!arrow.piece) {
            entry.image->hide();
            continue;
        }
        entry.image->move(arrow.piece->topLeft);
        entry.image->show();
        ++reads_;
        entry.image->setPicture(arrow.bitmap);
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
        entry.image->hide();
        return;
    }
    entry.image->move(piece->topLeft);
    // A slot named again later in its tree file may get a piece after an earlier block had none.
    entry.image->show();
    ++reads_;
    entry.image->setPicture(bitmaps_.picture(dataFolder_ + arrowBitmapName(piece->code, variant)));
}

void ArrowLayer::refresh(const TalentTable &table)
{
    for (int k = 0; k < count_; ++k) {
        const ArrowEntry &entry = entries_[static_cast<size_t>(k)];
        const Talent &dependant = table.at(entry.slot, entry.tree);
        if (dependant.prereq == 0) {
            // A later block of the same slot took the prerequisite away: nothing to point at.
            entry.image->hide();
            continue;
        }
        const char wanted = arrowVariant(dependant);
        if (entry.variant != wanted)
            setVariant(table, k, wanted);
    }
}
