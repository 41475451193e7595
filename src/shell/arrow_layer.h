#pragma once

#include "board/arrow_piece.h"
#include "toolkit/picture_cache.h"

#include <QString>
#include <array>

class ImageControl;
class QWidget;
class TalentTable;

// One prerequisite arrow: its image and the talent it points at.
struct ArrowEntry {
    ImageControl *image = nullptr;
    const ImageControl *dependantIcon = nullptr; // the icon the piece is placed beside
    int slot = 0;                                // of the dependant; 0 when the entry is free
    int tree = 0;
    char variant = 'w';
};

// The prerequisite arrows of the class on the board: one bitmap piece per talent with a
// prerequisite, in the variant that shows whether that talent is locked, open or taken. The
// images are made once, as children of the window, and used again by every class.
class ArrowLayer {
public:
    // `dataFolder` is the data folder's path ending in a separator; it holds the arrow bitmaps
    // (arrows/d1g.bmp, ...).
    ArrowLayer(QWidget &window, const QString &dataFolder);

    // A class load begins: every entry is freed and the bitmaps are looked at afresh.
    void startLoad();
    // The load is over, however it ended: the images the class does not use are hidden.
    void finishLoad();
    // The talent in `slot` of `tree`, placed with `icon`, has a prerequisite: it gets an arrow.
    // Throws Error naming the tree file and line when the class has more than ArrowCapacity.
    void add(const TalentTable &table, int slot, int tree, const ImageControl &icon, int line,
             const QString &treeFile);
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
