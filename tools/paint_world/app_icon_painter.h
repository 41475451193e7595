#pragma once

#include <QImage>
#include <QVector>

// The sizes of the program's own icon that a desktop asks for.
const QVector<int> &appIconSizes();

// The program's icon at size × size pixels on a transparent background: a standing rune-stone
// with a branching talent tree cut into it, its three nodes glowing.
QImage paintAppIcon(int size);
