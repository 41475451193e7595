#pragma once

#include "art_file.h"

#include <QImage>
#include <QSize>

inline constexpr QSize TalentIconSize(45, 43);
inline constexpr QSize EmblemSize(27, 27);

// A talent's icon: a bevelled frame in the tree's metal, a dark field tinted by the talent's
// colour with a faint pattern of rings and rays that depends on the slot, and the glyph on top.
QImage paintTalentIcon(const GlyphArt &talent, const TreeArt &tree, int slot);

// The tree's emblem, shown left of the tree's name: the same look, smaller and without pattern.
QImage paintEmblem(const TreeArt &tree);
