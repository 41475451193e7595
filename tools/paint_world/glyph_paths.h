#pragma once

#include <QPainterPath>
#include <QPointF>
#include <initializer_list>
#include <numbers>

// The building blocks of the glyph drawings. Each gives a closed area in the 100 × 100 box, so a
// drawing reads as shapes added to and cut from each other.
namespace glyph_drawing {

inline constexpr qreal pi = std::numbers::pi;

QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath circle(qreal cx, qreal cy, qreal r);
QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry);
QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal radius);

// Lines become areas here, so that every layer of every glyph is filled the same way.
QPainterPath stroked(const QPainterPath &line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap,
                     Qt::PenJoinStyle join = Qt::RoundJoin);
QPainterPath line(QPointF from, QPointF to);

QPainterPath rotated(const QPainterPath &path, qreal degrees, QPointF centre = {50, 50});
// Mirrored about the box's vertical middle line, for drawings with two matching halves.
QPainterPath mirroredX(const QPainterPath &path);
QPainterPath unite(std::initializer_list<QPainterPath> parts);

// A star or a burst: points alternate between the outer and the inner radius.
QPainterPath starPolygon(QPointF centre, int points, qreal outer, qreal inner, qreal turnDegrees);

} // namespace glyph_drawing
