#include "board/picture_sizes.h"

#include "board/cell_geometry.h"

QSize expectedPictureSize(TreePicture kind)
{
    switch (kind) {
    case TreePicture::Icon:
        return {IconWidth, IconHeight};
    case TreePicture::Background:
        return {300, 717};
    case TreePicture::Emblem:
        return {27, 27};
    }
    return {};
}

std::optional<Finding> pictureSizeWarning(TreePicture kind, QSize actual, const QString &fileName)
{
    const QSize expected = expectedPictureSize(kind);
    if (actual == expected)
        return std::nullopt;
    return warningAt(fileName, 0,
                     QStringLiteral("the picture is %1 x %2 pixels; the board is laid out for "
                                    "%3 x %4")
                         .arg(actual.width())
                         .arg(actual.height())
                         .arg(expected.width())
                         .arg(expected.height()));
}
