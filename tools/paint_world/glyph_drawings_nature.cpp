#include "glyph_drawings.h"
#include "glyph_paths.h"

#include <cmath>

namespace glyph_drawing {

GlyphShape flame()
{
    QPainterPath body(QPointF(50, 95));
    body.cubicTo(25, 95, 14, 76, 21, 56);
    body.cubicTo(26, 42, 35, 37, 33, 20);
    body.cubicTo(45, 28, 49, 38, 47, 48);
    body.cubicTo(53, 36, 60, 26, 57, 5);
    body.cubicTo(74, 20, 86, 44, 81, 64);
    body.cubicTo(78, 84, 66, 95, 50, 95);
    body.closeSubpath();
    QPainterPath core(QPointF(50, 89));
    core.cubicTo(39, 89, 34, 79, 38, 69);
    core.cubicTo(41, 62, 47, 58, 48, 49);
    core.cubicTo(57, 57, 64, 67, 62, 77);
    core.cubicTo(61, 85, 56, 89, 50, 89);
    core.closeSubpath();
    return {body, {}, core};
}

GlyphShape drop()
{
    QPainterPath body(QPointF(50, 5));
    body.cubicTo(44, 20, 20, 44, 20, 64);
    body.cubicTo(20, 82, 34, 95, 50, 95);
    body.cubicTo(66, 95, 80, 82, 80, 64);
    body.cubicTo(80, 44, 56, 20, 50, 5);
    body.closeSubpath();
    const QPainterPath glint = rotated(ellipse(36, 66, 5, 11), 20, {36, 66});
    return {body, {}, glint};
}

GlyphShape leaf()
{
    QPainterPath blade(QPointF(16, 84));
    blade.cubicTo(12, 46, 40, 14, 90, 10);
    blade.cubicTo(88, 58, 58, 88, 16, 84);
    blade.closeSubpath();
    const QPainterPath stem = stroked(line({18, 82}, {6, 95}), 5);
    QPainterPath ribLine(QPointF(20, 80));
    ribLine.quadTo(50, 52, 82, 17);
    QPainterPath veins = stroked(ribLine, 3);
    for (qreal t : {0.3, 0.5, 0.7}) {
        const QPointF at(20 + 62 * t, 80 - 63 * t);
        veins = veins.united(stroked(line(at, at + QPointF(-4, -18)), 2));
        veins = veins.united(stroked(line(at, at + QPointF(16, 6)), 2));
    }
    return {blade.united(stem), {}, veins.intersected(blade)};
}

GlyphShape star()
{
    const QPointF c(50, 53);
    const QPainterPath body = starPolygon(c, 5, 48, 20, 0);
    // The left half of every point catches the light, which makes the star look cut.
    QPainterPath facets;
    for (int i = 0; i < 5; ++i) {
        const qreal tip = (-90.0 + i * 72.0) * pi / 180.0;
        const qreal side = tip - pi / 5;
        facets = facets.united(polygon({c, c + QPointF(48 * std::cos(tip), 48 * std::sin(tip)),
                                        c + QPointF(20 * std::cos(side), 20 * std::sin(side))}));
    }
    return {body, {}, facets};
}

GlyphShape moon()
{
    const QPainterPath body = circle(46, 52, 42).subtracted(circle(64, 40, 34));
    const QPainterPath sparkles =
        starPolygon({76, 74}, 4, 11, 3, 0).united(starPolygon({88, 52}, 4, 6, 2, 0));
    return {body, {}, sparkles};
}

GlyphShape sun()
{
    const QPainterPath rays = starPolygon({50, 50}, 12, 48, 30, 0);
    const QPainterPath body =
        rays.united(circle(50, 50, 28)).subtracted(circle(50, 50, 24)).united(circle(50, 50, 20));
    return {body, {}, circle(50, 50, 13)};
}

GlyphShape eye()
{
    QPainterPath almond(QPointF(4, 50));
    almond.cubicTo(26, 16, 74, 16, 96, 50);
    almond.cubicTo(74, 84, 26, 84, 4, 50);
    almond.closeSubpath();
    const QPainterPath body = almond.subtracted(circle(50, 50, 21)).united(circle(50, 50, 16));
    return {body, circle(50, 50, 7), circle(56, 44, 4)};
}

GlyphShape hand()
{
    const QPainterPath palm = roundedRect(27, 46, 46, 44, 14);
    const QPainterPath fingers = unite({
        roundedRect(28, 20, 10, 40, 5),
        roundedRect(40, 10, 10, 44, 5),
        roundedRect(52, 13, 10, 42, 5),
        roundedRect(64, 24, 9, 36, 4.5),
    });
    const QPainterPath thumb = rotated(roundedRect(20, 52, 11, 32, 5.5), -35, {25.5, 84});
    const QPainterPath body = unite({palm, fingers, thumb});
    return {body, circle(50, 70, 7).subtracted(circle(50, 70, 4)), {}};
}

GlyphShape skull()
{
    const QPainterPath head = circle(50, 42, 36).united(roundedRect(30, 56, 40, 32, 8));
    const QPainterPath holes = unite({
        rotated(ellipse(36, 46, 10, 11), 12, {36, 46}),
        rotated(ellipse(64, 46, 10, 11), -12, {64, 46}),
        polygon({{50, 58}, {44, 70}, {56, 70}}),
        roundedRect(38.5, 78, 3, 11, 1),
        roundedRect(48.5, 78, 3, 11, 1),
        roundedRect(58.5, 78, 3, 11, 1),
    });
    return {head.subtracted(holes), {}, ellipse(30, 24, 8, 5)};
}

GlyphShape bolt()
{
    const QPainterPath body =
        polygon({{60, 2}, {18, 56}, {44, 56}, {32, 98}, {84, 38}, {56, 38}, {72, 2}});
    const QPainterPath edge = polygon({{60, 6}, {24, 53}, {30, 53}, {64, 8}});
    return {body, {}, edge};
}

GlyphShape wave()
{
    QPainterPath waves;
    for (qreal y : {26.0, 52.0, 78.0}) {
        QPainterPath crest(QPointF(6, y));
        crest.cubicTo(18, y - 14, 30, y - 14, 42, y);
        crest.cubicTo(54, y + 14, 66, y + 14, 78, y);
        crest.cubicTo(84, y - 7, 90, y - 9, 95, y - 6);
        waves = waves.united(stroked(crest, 10));
    }
    QPainterPath foam;
    for (qreal y : {26.0, 52.0, 78.0}) {
        QPainterPath crest(QPointF(12, y - 5));
        crest.cubicTo(20, y - 12, 28, y - 12, 36, y - 5);
        foam = foam.united(stroked(crest, 3));
    }
    return {waves, {}, foam};
}

GlyphShape feather()
{
    QPainterPath vane(QPointF(84, 4));
    vane.cubicTo(52, 8, 22, 38, 24, 78);
    vane.cubicTo(54, 74, 84, 46, 84, 4);
    vane.closeSubpath();
    const QPainterPath notches = unite({
        polygon({{30, 46}, {44, 40}, {36, 52}}),
        polygon({{62, 62}, {66, 50}, {72, 54}}),
    });
    const QPainterPath quill = stroked(line({26, 76}, {10, 96}), 4);
    QPainterPath spine(QPointF(26, 76));
    spine.quadTo(46, 40, 80, 8);
    return {vane.subtracted(notches).united(quill), {}, stroked(spine, 3)};
}

GlyphShape paw()
{
    QPainterPath pad(QPointF(50, 50));
    pad.cubicTo(66, 50, 82, 68, 80, 82);
    pad.cubicTo(78, 94, 62, 92, 50, 88);
    pad.cubicTo(38, 92, 22, 94, 20, 82);
    pad.cubicTo(18, 68, 34, 50, 50, 50);
    pad.closeSubpath();
    const QPainterPath toes = unite({
        rotated(ellipse(16, 48, 9, 12), -25, {16, 48}),
        rotated(ellipse(36, 24, 10, 13), -10, {36, 24}),
        rotated(ellipse(64, 24, 10, 13), 10, {64, 24}),
        rotated(ellipse(84, 48, 9, 12), 25, {84, 48}),
    });
    return {pad.united(toes), {}, ellipse(42, 64, 7, 4)};
}

GlyphShape claw()
{
    QPainterPath talons;
    for (qreal x : {8.0, 34.0, 60.0}) {
        QPainterPath talon(QPointF(x, 96));
        talon.cubicTo(x - 4, 64, x + 6, 28, x + 32, 6);
        talon.cubicTo(x + 20, 34, x + 16, 62, x + 14, 94);
        talon.closeSubpath();
        talons = talons.united(talon);
    }
    QPainterPath edges;
    for (qreal x : {8.0, 34.0, 60.0}) {
        QPainterPath edge(QPointF(x + 3, 88));
        edge.cubicTo(x + 2, 62, x + 9, 34, x + 26, 14);
        edges = edges.united(stroked(edge, 2.5));
    }
    return {talons, {}, edges.intersected(talons)};
}

GlyphShape heart()
{
    QPainterPath body(QPointF(50, 92));
    body.cubicTo(20, 70, 4, 50, 8, 30);
    body.cubicTo(12, 12, 38, 6, 50, 26);
    body.cubicTo(62, 6, 88, 12, 92, 30);
    body.cubicTo(96, 50, 80, 70, 50, 92);
    body.closeSubpath();
    return {body, {}, rotated(ellipse(28, 30, 10, 6), -35, {28, 30})};
}

GlyphShape spiral()
{
    QPainterPath coil;
    const qreal turns = 2.6;
    const int steps = 160;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = static_cast<qreal>(i) / steps;
        const qreal angle = t * turns * 2 * pi;
        const qreal r = 3 + 42 * t;
        const QPointF p(50 + r * std::cos(angle), 50 + r * std::sin(angle));
        if (i == 0)
            coil.moveTo(p);
        else
            coil.lineTo(p);
    }
    return {stroked(coil, 10), {}, circle(50, 50, 5)};
}

GlyphShape snowflake()
{
    QPainterPath arms;
    for (int i = 0; i < 6; ++i) {
        QPainterPath arm = stroked(line({50, 50}, {50, 5}), 7);
        arm = arm.united(stroked(line({50, 26}, {38, 14}), 5));
        arm = arm.united(stroked(line({50, 26}, {62, 14}), 5));
        arms = arms.united(rotated(arm, i * 60.0));
    }
    const QPainterPath hub = starPolygon({50, 50}, 6, 14, 10, 0);
    return {arms.united(hub), {}, circle(50, 50, 5)};
}

GlyphShape mountain()
{
    const QPainterPath body = polygon({{2, 90}, {34, 34}, {46, 52}, {64, 16}, {98, 90}});
    const QPainterPath snow = unite({
        polygon({{64, 16}, {52, 40}, {58, 36}, {63, 44}, {69, 37}, {75, 41}}),
        polygon({{34, 34}, {25, 50}, {31, 46}, {36, 51}, {42, 46}}),
    });
    const QPainterPath slope = polygon({{64, 16}, {98, 90}, {80, 90}, {68, 52}});
    return {body, slope, snow};
}

GlyphShape tree()
{
    const QPainterPath trunk = polygon({{44, 96}, {46, 58}, {54, 58}, {56, 96}});
    const QPainterPath roots = unite({
        stroked(line({46, 92}, {34, 97}), 4),
        stroked(line({54, 92}, {66, 97}), 4),
    });
    const QPainterPath crown = unite({
        circle(50, 28, 22),
        circle(28, 46, 19),
        circle(72, 46, 19),
        circle(50, 52, 18),
    });
    return {unite({trunk, roots, crown}), stroked(line({50, 62}, {50, 94}), 2),
            unite({circle(42, 22, 6), circle(24, 42, 4)})};
}

GlyphShape wing()
{
    QPainterPath body(QPointF(6, 84));
    body.cubicTo(10, 46, 50, 14, 96, 8);
    body.cubicTo(90, 18, 84, 22, 76, 26);
    body.cubicTo(84, 28, 88, 30, 90, 34);
    body.cubicTo(80, 38, 72, 40, 64, 42);
    body.cubicTo(72, 46, 76, 50, 76, 56);
    body.cubicTo(66, 56, 58, 56, 50, 56);
    body.cubicTo(56, 62, 58, 68, 56, 74);
    body.cubicTo(44, 70, 34, 72, 26, 74);
    body.cubicTo(26, 80, 22, 86, 6, 84);
    body.closeSubpath();
    QPainterPath ridge(QPointF(12, 78));
    ridge.cubicTo(24, 50, 50, 26, 90, 12);
    return {body, {}, stroked(ridge, 4).intersected(body)};
}

GlyphShape fang()
{
    QPainterPath gum(QPointF(6, 10));
    gum.cubicTo(30, 20, 70, 20, 94, 10);
    gum.lineTo(94, 28);
    gum.cubicTo(70, 36, 30, 36, 6, 28);
    gum.closeSubpath();
    QPainterPath tooth(QPointF(18, 28));
    tooth.lineTo(40, 32);
    tooth.cubicTo(40, 56, 36, 76, 26, 94);
    tooth.cubicTo(26, 70, 22, 48, 18, 28);
    tooth.closeSubpath();
    const QPainterPath small =
        unite({roundedRect(42, 26, 7, 14, 3), roundedRect(51, 26, 7, 14, 3)});
    const QPainterPath teeth = tooth.united(mirroredX(tooth)).united(small);
    QPainterPath glint(QPointF(22, 34));
    glint.cubicTo(25, 50, 27, 66, 27, 80);
    const QPainterPath light = stroked(glint, 2.5).united(mirroredX(stroked(glint, 2.5)));
    return {gum.united(teeth), gum, light.intersected(teeth)};
}

} // namespace glyph_drawing
