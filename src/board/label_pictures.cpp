#include "board/label_pictures.h"

#include "board/trees_picture.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// The picture format and pixel ratio a picture must have to be copied onto the painter's target
// pixel for pixel; none where that cannot be (a target that is no picture, a fractional ratio, a
// painter turned or scaled).
std::optional<std::pair<QImage::Format, int>> copyableTarget(QPainter &painter)
{
    const auto *target = dynamic_cast<const QImage *>(painter.paintEngine()->paintDevice());
    if (!target)
        return std::nullopt;
    // From the painter's coordinates to the target's pixels: the target's own ratio and a move
    // by whole pixels, nothing else.
    const qreal ratio = target->devicePixelRatio();
    const QTransform toPixels = painter.deviceTransform();
    const auto whole = [](qreal v) { return v == std::round(v); };
    if (!whole(ratio) || toPixels.type() > QTransform::TxScale || toPixels.m11() != ratio ||
        toPixels.m22() != ratio || !whole(toPixels.dx()) || !whole(toPixels.dy()))
        return std::nullopt;
    return std::pair{target->format(), static_cast<int>(ratio)};
}

} // namespace

void LabelPictures::draw(QPainter &painter, const QRect &box, const QColor &colour,
                         const QString &text, const QColor &fill)
{
    const auto target = copyableTarget(painter);
    if (text.isEmpty() || !fill.isValid() || !target) {
        drawBoardText(painter, box, font_, colour, text, fill);
        return;
    }
    const auto [format, ratio] = *target;
    const QString key = QStringLiteral("%1 %2 %3 %4 %5")
                            .arg(text)
                            .arg(colour.rgba())
                            .arg(fill.rgba())
                            .arg(ratio)
                            .arg(int(format));
    auto found = pictures_.constFind(key);
    if (found == pictures_.constEnd()) {
        // The few texts of a board, in a few colours: a handful of small pictures at most.
        constexpr qsizetype MaxPictures = 256;
        if (pictures_.size() >= MaxPictures)
            pictures_.clear();
        QImage picture(box.size() * ratio, format);
        picture.setDevicePixelRatio(ratio);
        QPainter onPicture(&picture);
        drawBoardText(onPicture, QRect(QPoint(), box.size()), font_, colour, text, fill);
        onPicture.end();
        found = pictures_.insert(key, picture);
    }
    painter.drawImage(box.topLeft(), *found);
}
