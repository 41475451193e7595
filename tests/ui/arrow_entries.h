#pragma once

#include "toolkit/image_control.h"
#include "ui/arrow_layer.h"
#include "ui/main_window.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

// The board's arrows as the arrow tests read them, and the pieces the fixture world draws for them.

// The fixture draws each piece at its own size and each variant in its own colour, so the picture
// an arrow shows tells which bitmap it came from.
inline QSize pieceSize(const QString &code)
{
    static const QHash<QString, QSize> sizes{{"d1", {20, 21}}, {"d2", {20, 85}}, {"d3", {20, 149}},
                                             {"r1", {25, 20}}, {"l1", {70, 20}}, {"b1", {40, 53}},
                                             {"a1", {50, 53}}};
    return sizes.value(code);
}

inline quint32 variantColour(char variant)
{
    switch (variant) {
    case 'g':
        return colourValue(0, 220, 0);
    case 'y':
        return colourValue(240, 200, 0);
    default:
        return colourValue(200, 200, 200);
    }
}

inline quint32 shownColour(const ArrowEntry &entry)
{
    const QImage &piece = entry.picture;
    const QRgb p = piece.pixel(piece.width() / 2, piece.height() / 2);
    return colourValue(qRed(p), qGreen(p), qBlue(p));
}

// The entry in use whose arrow points at (slot, tree), or nullptr.
inline const ArrowEntry *arrowOf(const MainWindow &w, int slot, int tree)
{
    for (int k = 0; k < w.board().arrows().count(); ++k) {
        const ArrowEntry &entry = w.board().arrows().entries()[static_cast<size_t>(k)];
        if (entry.slot == slot && entry.tree == tree)
            return &entry;
    }
    return nullptr;
}

inline QList<QPoint> placedArrows(const MainWindow &w)
{
    QList<QPoint> out;
    for (int k = 0; k < w.board().arrows().count(); ++k)
        out.append({w.board().arrows().entries()[static_cast<size_t>(k)].slot,
                    w.board().arrows().entries()[static_cast<size_t>(k)].tree});
    return out;
}

// The arrow images of the standard class, in the order the loader registers them: tree 1, then
// tree 2, each in the order of its tree file.
inline const QList<QPoint> StandardArrows = {{6, 1},  {10, 1}, {11, 1}, {14, 1}, {5, 2},
                                             {6, 2},  {8, 2},  {7, 2},  {9, 2},  {10, 2},
                                             {11, 2}, {16, 2}, {19, 2}};
