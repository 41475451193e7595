#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

class QPainter;

// The board's rank labels kept as pictures, each label text drawn once per colour, pixel ratio and
// picture format: a board shows some eighty labels of a handful of texts ("0/5", "3/3"), and laying
// a text out and drawing it costs many times what copying its picture does. A picture is the label
// exactly as drawBoardText() draws it on its fill, so copying it changes no pixel.
class LabelPictures {
public:
    explicit LabelPictures(const QFont &font) : font_(font) {}

    // Draws `text` in `box` (its measured box) on `fill` as drawBoardText() does, from a kept
    // picture where the painter's target can take one pixel for pixel.
    void draw(QPainter &painter, const QRect &box, const QColor &colour, const QString &text,
              const QColor &fill);

private:
    QFont font_;
    QHash<QString, QImage> pictures_;
};
