#pragma once

#include "board/arrow_piece.h"
#include "build/trees_layout.h"
#include "datafolder/picture_cache.h"
#include "talents/talent_table.h"

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

// One prerequisite arrow: its piece as the board draws it, and the talent it points at.
struct ArrowEntry {
    bool shown = false;
    QPoint at;                       // the piece's top left corner on the board
    QImage picture;                  // the piece's bitmap without its key colour, as drawn
    std::optional<ArrowPiece> piece; // none: no piece draws the relation
    int slot = 0;                    // of the dependant; 0 when the entry is free
    int tree = 0;
    char variant = 'w';
};

// An arrow of a class about to be shown, with its bitmap read: showing it cannot fail.
struct StagedArrow {
    ArrowPlace place;
    char variant = 'w';
    QImage bitmap; // null when the arrow has no piece
};

// The prerequisite arrows of the class on the board: one bitmap piece per talent with a
// prerequisite, in the variant that shows whether that talent is locked, open or taken. The board
// draws the entries that are shown.
class ArrowLayer {
public:
    // `dataFolder` is the data folder's path ending in a separator; it holds the arrow bitmaps
    // (arrows/d1g.bmp, ...).
    explicit ArrowLayer(const QString &dataFolder);

    // The arrows `places` of a class whose table is `table`, with every bitmap read. Throws Error
    // naming a bitmap that cannot be read; nothing on the window changes.
    QVector<StagedArrow> stage(const TalentTable &table, const QVector<ArrowPlace> &places);
    // Shows staged arrows in place of the ones before; the entries left over are hidden.
    void show(const QVector<StagedArrow> &arrows);
    // Brings every arrow's variant up to date with the talents' states; returns the places on the
    // board whose drawing changed.
    QRegion refresh(const TalentTable &table);

    const std::array<ArrowEntry, ArrowCapacity> &entries() const { return entries_; }
    int count() const { return count_; }
    // How many times an arrow has taken a bitmap so far.
    int reads() const { return reads_; }

private:
    void setPicture(ArrowEntry &entry, const QImage &bitmap);

    QString dataFolder_;
    std::array<ArrowEntry, ArrowCapacity> entries_{};
    int count_ = 0;
    int reads_ = 0;
    // Twenty-one small bitmaps serve every arrow of every class: each is read when first needed
    // and again only when its file changed. A file that fails is not kept, so it fails again, with
    // the same error, the next time it is asked for.
    PictureCache bitmaps_;
    // Each bitmap without its key colour, made once: a press changes variants back and forth.
    QHash<qint64, QImage> keyed_;
};
