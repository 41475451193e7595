// Prerequisite arrows: one bitmap piece per talent with a prerequisite, in the variant that shows
// whether the talent is locked, open or taken.
#include "base/error.h"
#include "shell/main_window.h"
#include "toolkit/image_control.h"

void MainWindow::createArrowImages()
{
    arrowCount_ = 0;
    for (ArrowEntry &entry : arrows_) {
        entry.image = new ImageControl(this);
        entry.image->setAutoSize(true);
        entry.image->setTransparent(true);
        entry.image->hide();
    }
}

void MainWindow::clearArrows()
{
    // The images stay as they are until the load is over (see hideUnusedArrows): an arrow that
    // the class draws again is not hidden and shown in between.
    for (int k = 0; k < arrowCount_; ++k) {
        ArrowEntry &entry = arrows_[static_cast<size_t>(k)];
        entry.slot = 0;
        entry.tree = 0;
        entry.variant = 'w';
    }
    arrowCount_ = 0;
    // A class load looks at the data folder afresh, the arrow bitmaps with the rest: a bitmap
    // that went missing or was changed since is read again (and reported if it is now broken).
    arrowBitmaps_.newRound();
}

void MainWindow::hideUnusedArrows()
{
    for (size_t k = static_cast<size_t>(arrowCount_); k < arrows_.size(); ++k)
        arrows_[k].image->hide();
}

void MainWindow::registerArrow(int slot, int tree, int line, const QString &treeFile)
{
    // A slot named twice in a tree file keeps the one arrow it already has.
    for (int k = 0; k < arrowCount_; ++k) {
        const ArrowEntry &entry = arrows_[static_cast<size_t>(k)];
        if (entry.slot == slot && entry.tree == tree) {
            setArrowVariant(k + 1, 'w');
            return;
        }
    }
    if (arrowCount_ >= ArrowCapacity) {
        throw Error(QStringLiteral("%1, line %2: talent %3 would be talent %4 with a prerequisite "
                                   "in this class; a class may have at most %5")
                        .arg(treeFile, QString::number(line), QString::number(slot),
                             QString::number(arrowCount_ + 1), QString::number(ArrowCapacity)));
    }
    ++arrowCount_;
    ArrowEntry &entry = arrows_[static_cast<size_t>(arrowCount_ - 1)];
    entry.image->show();
    entry.slot = slot;
    entry.tree = tree;
    setArrowVariant(arrowCount_, 'w');
}

void MainWindow::setArrowVariant(int k, char variant)
{
    ArrowEntry &entry = arrows_[static_cast<size_t>(k - 1)];
    const Talent &dependant = table_.at(entry.slot, entry.tree);
    const ImageControl *icon = cell(entry.slot, entry.tree).icon;
    entry.variant = variant;
    const auto piece = arrowPiece(entry.slot, dependant.prereq, icon->geometry());
    if (!piece) {
        // No piece draws this relation: the talent simply has no visible arrow.
        entry.image->hide();
        return;
    }
    entry.image->move(piece->topLeft);
    // A slot named again later in its tree file may get a piece after an earlier block had none.
    entry.image->show();
    ++arrowReads_;
    entry.image->setPicture(arrowBitmap(dataPath(arrowBitmapName(piece->code, variant))));
}

const QImage &MainWindow::arrowBitmap(const QString &path)
{
    // Twenty-one small bitmaps serve every arrow of every class: each is read when first needed
    // and again only when its file changed. A file that fails is not kept, so it fails again, with
    // the same error, the next time it is asked for.
    return arrowBitmaps_.picture(path);
}

void MainWindow::refreshArrows()
{
    for (int k = 1; k <= arrowCount_; ++k) {
        const ArrowEntry &entry = arrows_[static_cast<size_t>(k - 1)];
        const Talent &dependant = table_.at(entry.slot, entry.tree);
        if (dependant.prereq == 0) {
            // A later block of the same slot took the prerequisite away: nothing to point at.
            entry.image->hide();
            continue;
        }
        const char wanted = arrowVariant(dependant);
        if (entry.variant != wanted)
            setArrowVariant(k, wanted);
    }
}
