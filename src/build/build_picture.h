#pragma once

#include "board/picture_band.h"
#include "board/trees_picture.h"

class Build;

// What the three trees of a build show, as the board shows them, for the painter: the class's
// pictures, labels, arrows and talents with the build's ranks. Reads the arrow bitmaps from the
// build's data folder; throws Error naming one that cannot be read.
TreesPicture treesPictureOf(const Build &build);

// What the band under the build's picture says, in the build's language: the class, its level and
// each tree's points ("Dusktender, level 79 — Vesper Flame 36 / Starless Watch 30 / Shadeweave 4"),
// then the build code.
PictureBand pictureBandOf(const Build &build);

// The picture of the build's trees at `scale` (1 or 2), with the band that names the build under
// them when `band`, as Save picture and --picture write it. Throws as treesPictureOf().
QImage buildPicture(const Build &build, int scale, bool band);
