#pragma once

#include "talents/finding.h"

#include <QSize>
#include <optional>

// The pictures of a tree folder and the size the board is laid out for. Another size still
// loads, but the board places every picture by these sizes: a bigger icon spills over its
// neighbours' gaps, a smaller background leaves the window's colour showing.
enum class TreePicture {
    Icon,       // <slot>.jpg
    Background, // fon.jpg
    Emblem,     // icv.jpg
};

QSize expectedPictureSize(TreePicture kind);

// A warning about `fileName` when `actual` is not the size expected of its kind.
std::optional<Finding> pictureSizeWarning(TreePicture kind, QSize actual, const QString &fileName);
