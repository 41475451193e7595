#pragma once

#include "board/rank_look.h"
#include "talents/talent_table.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVector>
#include <array>

// A picture at its place on the board.
struct PlacedPicture {
    QPoint at;
    QImage picture;
};

// One tree's own parts: its background, its emblem and its label ("Name: points").
struct TreeLook {
    PlacedPicture background;
    PlacedPicture emblem;
    QPoint labelAt;
    QString label;
};

// One placed talent: its icon in colour or grey, and its rank label.
struct TalentLook {
    PlacedPicture icon;
    QPoint rankAt;
    RankLook rank;
};

// What the three trees of a build show, as plain data, for a picture of the build.
struct TreesPicture {
    QSize size; // at 1x: the board from its left edge to the third tree's right edge
    std::array<TreeLook, TreeCount> trees;
    QVector<PlacedPicture> arrows; // drawn without the colour of their lower-left pixel
    QVector<TalentLook> talents;
};

inline const QColor TreeLabelColour(238, 221, 17);

class QFont;
class QPainter;

// The pieces the board is drawn with, shared by the picture and the window's board.
// The picture as the board shows it: 32-bit RGB, whatever its file held.
QImage asShown(const QImage &picture);
// A picture at its place, each pixel a sharp block at any scale; without the colour of its
// lower-left pixel when `keyed`.
void drawBoardPicture(QPainter &painter, const PlacedPicture &placed, bool keyed = false);
// The box a label's text takes: the text's advance, from the top left corner.
QSize boardTextSize(const QFont &font, const QString &text);
// Text as the board's labels draw it, in its box, filled first when a fill is given.
void drawBoardText(QPainter &painter, QPoint at, const QFont &font, const QColor &colour,
                   const QString &text, const QColor &fill = QColor());
// The same in a box already measured: `box` has the size boardTextSize() gives the text.
void drawBoardText(QPainter &painter, const QRect &box, const QFont &font, const QColor &colour,
                   const QString &text, const QColor &fill = QColor());

// The trees on black at `scale` times their size, each pixel a sharp block, as the board draws
// them: backgrounds, then emblems and labels (bold Tahoma 10 pt), then arrows, then the talents
// in their order, each icon with its rank label (bold Tahoma 8 pt on black).
QImage paintTrees(const TreesPicture &trees, int scale);
