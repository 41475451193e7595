#pragma once

#include "board/arrow_piece.h"
#include "datafolder/picture_cache.h"
#include "talents/talent_table.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

class ImageControl;
class QWidget;

// One prerequisite arrow: its image and the talent it points at.
struct ArrowEntry {
    ImageControl *image = nullptr;
    QRect dependantIcon; // where the icon the piece is placed beside stands
    int slot = 0;        // of the dependant; 0 when the entry is free
    int tree = 0;
    char variant = 'w';
};

// An arrow of a class about to be shown, with its bitmap read: showing it cannot fail.
struct StagedArrow {
    int slot = 0;
    int tree = 0;
    QRect dependantIcon;
    char variant = 'w';
    std::optional<ArrowPiece> piece; // none: the relation has no piece, or no prerequisite
    QImage bitmap;
};

// The prerequisite arrows of the class on the board: one bitmap piece per talent with a
// prerequisite, in the variant that shows whether that talent is locked, open or taken. The
// images are made once, as children of the window, and used again by every class.
class ArrowLayer {
public:
    // `dataFolder` is the data folder's path ending in a separator; it holds the arrow bitmaps
    // (arrows/d1g.bmp, ...).
    ArrowLayer(QWidget &window, const QString &dataFolder);

    // The arrows of a class whose table is `table`, for the talents of `order` (slot, tree) whose
    // icons stand at `iconRects` [tree - 1][slot - 1], with every bitmap read. Throws Error naming
    // a bitmap that cannot be read; nothing on the window changes.
    QVector<StagedArrow>
    stage(const TalentTable &table, const QVector<QPoint> &order,
          const std::array<std::array<QRect, SlotsPerTree>, TreeCount> &iconRects);
    // Shows staged arrows in place of the ones on the window; the images left over are hidden.
    void show(const QVector<StagedArrow> &arrows);
    // Brings every arrow's variant up to date with the talents' states.
    void refresh(const TalentTable &table);

    const std::array<ArrowEntry, ArrowCapacity> &entries() const { return entries_; }
    int count() const { return count_; }
    // How many times an arrow has taken a bitmap so far.
    int reads() const { return reads_; }

private:
    void setVariant(const TalentTable &table, int entry, char variant);

    QString dataFolder_;
    std::array<ArrowEntry, ArrowCapacity> entries_{};
    int count_ = 0;
    int reads_ = 0;
    // Twenty-one small bitmaps serve every arrow of every class: each is read when first needed
    // and again only when its file changed. A file that fails is not kept, so it fails again, with
    // the same error, the next time it is asked for.
    PictureCache bitmaps_;
};
