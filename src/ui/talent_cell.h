#pragma once

#include <QImage>

class ImageControl;
class LabelControl;

// The three controls that show one talent: the hidden colour picture, the visible icon (grey or
// colour) and the rank label under it; and the icon's picture while the talent holds no point,
// greyed once when the class loads.
struct TalentCell {
    ImageControl *iconSource = nullptr;
    ImageControl *icon = nullptr;
    LabelControl *rankLabel = nullptr;
    QImage grey;
    // What the rank label last showed, so that a change of the build redraws only what changed.
    int rank = -1;
    bool available = false;
};
