#pragma once

#include "board/trees_picture.h"

class Build;

// What the three trees of a build show, as the board shows them, for the painter: the class's
// pictures, labels, arrows and talents with the build's ranks. Reads the arrow bitmaps from the
// build's data folder; throws Error naming one that cannot be read.
TreesPicture treesPictureOf(const Build &build);
