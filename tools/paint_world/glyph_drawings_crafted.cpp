#include "glyph_drawings.h"
#include "glyph_paths.h"

#include <QTransform>

namespace glyph_drawing {

GlyphShape shield()
{
    QPainterPath body(QPointF(50, 6));
    body.cubicTo(62, 14, 74, 18, 88, 18);
    body.cubicTo(88, 56, 76, 80, 50, 96);
    body.cubicTo(24, 80, 12, 56, 12, 18);
    body.cubicTo(26, 18, 38, 14, 50, 6);
    body.closeSubpath();
    const QPainterPath inner =
        QTransform().translate(50, 50).scale(0.72, 0.72).translate(-50, -48).map(body);
    const QPainterPath cross =
        unite({roundedRect(45, 22, 10, 58, 2), roundedRect(28, 38, 44, 10, 2)}).intersected(inner);
    return {body, body.subtracted(inner), cross};
}

GlyphShape sword()
{
    const QPainterPath blade = polygon({{50, 2}, {57, 14}, {57, 64}, {43, 64}, {43, 14}});
    const QPainterPath guard = roundedRect(26, 63, 48, 9, 4);
    const QPainterPath grip = roundedRect(45.5, 71, 9, 17, 2);
    const QPainterPath pommel = circle(50, 92, 6);
    const QPainterPath fuller = polygon({{50, 12}, {52, 18}, {52, 58}, {48, 58}, {48, 18}});
    const qreal tilt = 45;
    return {rotated(unite({blade, guard, grip, pommel}), tilt), rotated(grip, tilt),
            rotated(fuller, tilt)};
}

GlyphShape arrow()
{
    const QPainterPath shaft = roundedRect(12, 46.5, 60, 7, 2);
    const QPainterPath head = polygon({{64, 32}, {98, 50}, {64, 68}, {70, 50}});
    const QPainterPath fletching = unite({
        polygon({{2, 34}, {14, 34}, {28, 47}, {16, 47}}),
        polygon({{2, 66}, {14, 66}, {28, 53}, {16, 53}}),
    });
    return {rotated(unite({shaft, head, fletching}), -45), rotated(fletching, -45),
            rotated(polygon({{66, 36}, {92, 50}, {70, 50}}), -45)};
}

GlyphShape crown()
{
    const QPainterPath points =
        polygon({{16, 72}, {8, 28}, {32, 50}, {50, 14}, {68, 50}, {92, 28}, {84, 72}});
    const QPainterPath band = roundedRect(14, 68, 72, 18, 3);
    const QPainterPath pearls = unite({circle(8, 26, 6), circle(50, 12, 6.5), circle(92, 26, 6)});
    const QPainterPath jewels = unite({circle(32, 77, 4), circle(50, 77, 5), circle(68, 77, 4)});
    return {unite({points, band, pearls}), {}, jewels};
}

GlyphShape gear()
{
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i)
        teeth = teeth.united(rotated(roundedRect(42, 2, 16, 20, 2), i * 45.0));
    const QPainterPath body = teeth.united(circle(50, 50, 36)).subtracted(circle(50, 50, 14));
    const QPainterPath ring = circle(50, 50, 26).subtracted(circle(50, 50, 21));
    return {body, ring, {}};
}

GlyphShape tower()
{
    const QPainterPath keep = polygon({{30, 30}, {70, 30}, {74, 88}, {26, 88}});
    const QPainterPath top =
        roundedRect(24, 14, 52, 18, 1)
            .subtracted(unite({roundedRect(33, 10, 8, 10, 0), roundedRect(46, 10, 8, 10, 0),
                               roundedRect(59, 10, 8, 10, 0)}));
    const QPainterPath base = roundedRect(20, 86, 60, 10, 2);
    QPainterPath door(QPointF(42, 96));
    door.lineTo(42, 76);
    door.arcTo(QRectF(42, 70, 16, 14), 180, -180);
    door.lineTo(58, 96);
    door.closeSubpath();
    const QPainterPath window = roundedRect(47, 42, 6, 14, 3);
    return {unite({keep, top, base}).subtracted(door.united(window)),
            {},
            polygon({{32, 34}, {38, 34}, {38, 84}, {30, 84}})};
}

GlyphShape axe()
{
    const QPainterPath haft = roundedRect(44, 6, 10, 90, 4);
    // A bearded blade: a long curved edge, its back drawn in towards the haft.
    QPainterPath blade(QPointF(54, 18));
    blade.cubicTo(66, 20, 78, 14, 88, 6);
    blade.cubicTo(98, 26, 98, 54, 88, 72);
    blade.cubicTo(78, 62, 66, 56, 54, 56);
    blade.closeSubpath();
    const QPainterPath spike = polygon({{44, 26}, {30, 36}, {44, 46}});
    QPainterPath edge(QPointF(89, 10));
    edge.cubicTo(96, 28, 96, 52, 88, 68);
    const QPainterPath bands =
        unite({roundedRect(44, 58, 10, 4, 1), roundedRect(44, 74, 10, 4, 1)});
    const qreal tilt = 20;
    return {rotated(unite({haft, blade, spike}), tilt), rotated(bands, tilt),
            rotated(stroked(edge, 5).intersected(blade), tilt)};
}

GlyphShape bow()
{
    QPainterPath limb(QPointF(30, 4));
    limb.cubicTo(92, 18, 92, 82, 30, 96);
    const QPainterPath body = unite({
        stroked(limb, 9),
        stroked(line({30, 4}, {30, 96}), 2.5),
        stroked(line({12, 50}, {84, 50}), 4),
        polygon({{80, 40}, {98, 50}, {80, 60}}),
        roundedRect(58, 42, 8, 16, 3),
    });
    return {rotated(body, -45), {}, rotated(roundedRect(58, 42, 8, 16, 3), -45)};
}

GlyphShape orb()
{
    const QPainterPath body = circle(50, 50, 44);
    const QPainterPath band = circle(50, 50, 44).intersected(stroked(ellipse(50, 50, 46, 14), 3));
    const QPainterPath glint = rotated(ellipse(36, 32, 16, 9), -35, {36, 32});
    return {body, band, glint.united(circle(66, 68, 3))};
}

GlyphShape chain()
{
    const QPainterPath left =
        roundedRect(2, 34, 44, 32, 16).subtracted(roundedRect(10, 42, 28, 16, 8));
    const QPainterPath right =
        roundedRect(54, 34, 44, 32, 16).subtracted(roundedRect(62, 42, 28, 16, 8));
    const QPainterPath middle = roundedRect(30, 45, 40, 10, 5);
    const QPainterPath body = unite({left, right, middle});
    return {rotated(body, -40), rotated(middle, -40),
            rotated(roundedRect(12, 36, 20, 3, 1.5).united(roundedRect(64, 36, 20, 3, 1.5)), -40)};
}

GlyphShape hourglass()
{
    const QPainterPath bars =
        unite({roundedRect(16, 4, 68, 10, 3), roundedRect(16, 86, 68, 10, 3)});
    QPainterPath glass(QPointF(24, 14));
    glass.lineTo(76, 14);
    glass.cubicTo(76, 36, 56, 44, 56, 50);
    glass.cubicTo(56, 56, 76, 64, 76, 86);
    glass.lineTo(24, 86);
    glass.cubicTo(24, 64, 44, 56, 44, 50);
    glass.cubicTo(44, 44, 24, 36, 24, 14);
    glass.closeSubpath();
    const QPainterPath frame = stroked(glass, 4);
    const QPainterPath sand = unite({
        polygon({{32, 22}, {68, 22}, {50, 44}}),
        polygon({{30, 84}, {50, 66}, {70, 84}}),
        roundedRect(49, 42, 2, 30, 1),
    });
    return {unite({bars, frame, sand}), {}, roundedRect(29, 18, 3, 9, 1.5)};
}

GlyphShape mask()
{
    QPainterPath face(QPointF(4, 32));
    face.cubicTo(30, 20, 70, 20, 96, 32);
    face.cubicTo(98, 56, 82, 74, 64, 72);
    face.cubicTo(56, 70, 55, 60, 50, 60);
    face.cubicTo(45, 60, 44, 70, 36, 72);
    face.cubicTo(18, 74, 2, 56, 4, 32);
    face.closeSubpath();
    const QPainterPath eyes = unite({
        rotated(ellipse(30, 44, 12, 7), 12, {30, 44}),
        rotated(ellipse(70, 44, 12, 7), -12, {70, 44}),
    });
    const QPainterPath trim = stroked(face, 3).intersected(face);
    return {face.subtracted(eyes), trim, ellipse(50, 30, 5, 3)};
}

GlyphShape book()
{
    QPainterPath page(QPointF(50, 22));
    page.cubicTo(38, 14, 20, 14, 4, 20);
    page.lineTo(4, 82);
    page.cubicTo(20, 76, 38, 76, 50, 86);
    page.closeSubpath();
    const QPainterPath pages = page.united(mirroredX(page));
    const QPainterPath cover =
        roundedRect(2, 78, 96, 10, 4).intersected(roundedRect(0, 80, 100, 16, 0));
    QPainterPath lines;
    for (qreal y : {32.0, 42.0, 52.0, 62.0}) {
        QPainterPath text(QPointF(12, y));
        text.cubicTo(22, y - 4, 34, y - 3, 42, y + 1);
        lines = lines.united(stroked(text, 2.5));
        lines = lines.united(mirroredX(stroked(text, 2.5)));
    }
    return {pages.united(cover), stroked(line({50, 22}, {50, 86}), 3), lines};
}

GlyphShape potion()
{
    // A squat round flask: wider than a drop, so the two never read alike.
    const QPainterPath bowl = ellipse(50, 68, 42, 28);
    const QPainterPath flask =
        unite({bowl, roundedRect(41, 12, 18, 34, 3), roundedRect(36, 6, 28, 9, 4)});
    // The glass above the liquid is darker, so the filled part stands out.
    const QPainterPath emptyGlass = flask.intersected(roundedRect(0, 15, 100, 45, 0));
    const QPainterPath bubbles =
        unite({circle(38, 76, 4.5), circle(60, 84, 3.5), circle(56, 70, 2.5)});
    return {flask, emptyGlass, unite({rotated(ellipse(26, 64, 4, 9), 50, {26, 64}), bubbles})};
}

GlyphShape rune()
{
    QPainterPath strokes = stroked(line({50, 6}, {50, 94}), 10, Qt::SquareCap, Qt::MiterJoin);
    QPainterPath branches(QPointF(22, 34));
    branches.lineTo(50, 10);
    branches.lineTo(78, 34);
    strokes = strokes.united(stroked(branches, 9, Qt::SquareCap, Qt::MiterJoin));
    const QPainterPath diamond = polygon({{50, 46}, {72, 64}, {50, 82}, {28, 64}});
    strokes = strokes.united(stroked(diamond, 8, Qt::SquareCap, Qt::MiterJoin));
    return {strokes, {}, stroked(line({50, 14}, {50, 90}), 2.5)};
}

} // namespace glyph_drawing
