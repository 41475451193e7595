#pragma once

class ImageControl;
class LabelControl;

// The three controls that show one talent: the hidden colour picture, the visible icon (grey or
// colour) and the rank label under it.
struct TalentCell {
    ImageControl *iconSource = nullptr;
    ImageControl *icon = nullptr;
    LabelControl *rankLabel = nullptr;
};
