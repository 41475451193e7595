#pragma once

#include "art_file.h"

#include <QImage>
#include <QSize>

inline constexpr QSize BackgroundSize(300, 717);

// The strip at the bottom of a background where the window puts the tree's emblem and name.
inline constexpr int NameStripTop = 690;

// A tree's background: a calm gradient between the palette's tones, a faint large copy of the
// tree's emblem as its ornament, a vignette, and a quiet dark strip for the emblem and the name.
// The window shifts the talent grid of trees 2 and 3 a few pixels against their backgrounds, so
// nothing here is drawn to line up with single cells.
QImage paintBackground(const TreeArt &tree);
