#include "shell/arrow_layer.h"

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
        entry.image->setAccessibleName(QStringLiteral("Prerequisite arrow"));
        entry.image->setAccessibleDescription(
            QStringLiteral("Points from a talent to the talent that needs it"));
    }
}

void ArrowLayer::startLoad()
{
    // The images stay as they are until the load is over (see finishLoad): an arrow that the
    // class draws again is not hidden and shown in between.
    for (int k = 0; k < count_; ++k) {
        ArrowEntry &entry = entries_[static_cast<size_t>(k)];
        entry.slot = 0;
        entry.tree = 0;
        entry.dependantIcon = nullptr;
        entry.variant = 'w';
    }
    count_ = 0;
    // A class load looks at the data folder afresh, the arrow bitmaps with the rest: a bitmap
    // that went missing or was changed since is read again (and reported if it is now broken).
    bitmaps_.newRound();
}

void ArrowLayer::finishLoad()
{
    for (size_t k = static_cast<size_t>(count_); k < entries_.size(); ++k)
        entries_[k].image->hide();
}

void ArrowLayer::add(const TalentTable &table, int slot, int tree, const ImageControl &icon,
                     int line, const QString &treeFile)
{
    // A slot named twice in a tree file keeps the one arrow it already has.
    for (int k = 0; k < count_; ++k) {
        const ArrowEntry &entry = entries_[static_cast<size_t>(k)];
        if (entry.slot == slot && entry.tree == tree) {
            setVariant(table, k, 'w');
            return;
        }
    }
    if (count_ >= ArrowCapacity) {
        throw Error(QStringLiteral("%1, line %2: talent %3 would be talent %4 with a prerequisite "
                                   "in this class; a class may have at most %5")
                        .arg(treeFile, QString::number(line), QString::number(slot),
                             QString::number(count_ + 1), QString::number(ArrowCapacity)));
    }
    ArrowEntry &entry = entries_[static_cast<size_t>(count_)];
    ++count_;
    entry.image->show();
    entry.slot = slot;
    entry.tree = tree;
    entry.dependantIcon = &icon;
    setVariant(table, count_ - 1, 'w');
}

void ArrowLayer::setVariant(const TalentTable &table, int k, char variant)
{
    ArrowEntry &entry = entries_[static_cast<size_t>(k)];
    const Talent &dependant = table.at(entry.slot, entry.tree);
    entry.variant = variant;
    const auto piece = arrowPiece(entry.slot, dependant.prereq, entry.dependantIcon->geometry());
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
