#include "glyphs.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <array>
#include <cmath>
#include <numbers>

namespace {

struct NamedGlyph {
    Glyph glyph;
    const char *name;
};

constexpr std::array<NamedGlyph, 36> glyphNames = {{
    {Glyph::Flame, "flame"},       {Glyph::Drop, "drop"},
    {Glyph::Leaf, "leaf"},         {Glyph::Shield, "shield"},
    {Glyph::Sword, "sword"},       {Glyph::Star, "star"},
    {Glyph::Moon, "moon"},         {Glyph::Sun, "sun"},
    {Glyph::Eye, "eye"},           {Glyph::Hand, "hand"},
    {Glyph::Skull, "skull"},       {Glyph::Bolt, "bolt"},
    {Glyph::Arrow, "arrow"},       {Glyph::Wave, "wave"},
    {Glyph::Crown, "crown"},       {Glyph::Feather, "feather"},
    {Glyph::Paw, "paw"},           {Glyph::Claw, "claw"},
    {Glyph::Heart, "heart"},       {Glyph::Gear, "gear"},
    {Glyph::Spiral, "spiral"},     {Glyph::Tower, "tower"},
    {Glyph::Axe, "axe"},           {Glyph::Bow, "bow"},
    {Glyph::Orb, "orb"},           {Glyph::Snowflake, "snowflake"},
    {Glyph::Mountain, "mountain"}, {Glyph::Tree, "tree"},
    {Glyph::Wing, "wing"},         {Glyph::Fang, "fang"},
    {Glyph::Chain, "chain"},       {Glyph::Hourglass, "hourglass"},
    {Glyph::Mask, "mask"},         {Glyph::Book, "book"},
    {Glyph::Potion, "potion"},     {Glyph::Rune, "rune"},
}};

constexpr qreal pi = std::numbers::pi;

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QVector<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath circle(qreal cx, qreal cy, qreal r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

// Lines become areas here, so that every layer of every glyph is filled the same way.
QPainterPath stroked(const QPainterPath &line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap,
                     Qt::PenJoinStyle join = Qt::RoundJoin)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    return stroker.createStroke(line).simplified();
}

QPainterPath line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPainterPath rotated(const QPainterPath &path, qreal degrees, QPointF centre = {50, 50})
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

QPainterPath mirroredX(const QPainterPath &path)
{
    return QTransform(-1, 0, 0, 1, 100, 0).map(path);
}

QPainterPath unite(std::initializer_list<QPainterPath> parts)
{
    QPainterPath all;
    for (const QPainterPath &part : parts)
        all = all.united(part);
    return all;
}

// A star or a burst: points alternate between the outer and the inner radius.
QPainterPath starPolygon(QPointF centre, int points, qreal outer, qreal inner, qreal turnDegrees)
{
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = (turnDegrees - 90.0) * pi / 180.0 + i * pi / points;
        const qreal r = i % 2 == 0 ? outer : inner;
        poly << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

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

GlyphShape crown()
{
    const QPainterPath points =
        polygon({{16, 72}, {8, 28}, {32, 50}, {50, 14}, {68, 50}, {92, 28}, {84, 72}});
    const QPainterPath band = roundedRect(14, 68, 72, 18, 3);
    const QPainterPath pearls = unite({circle(8, 26, 6), circle(50, 12, 6.5), circle(92, 26, 6)});
    const QPainterPath jewels = unite({circle(32, 77, 4), circle(50, 77, 5), circle(68, 77, 4)});
    return {unite({points, band, pearls}), {}, jewels};
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

GlyphShape gear()
{
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i)
        teeth = teeth.united(rotated(roundedRect(42, 2, 16, 20, 2), i * 45.0));
    const QPainterPath body = teeth.united(circle(50, 50, 36)).subtracted(circle(50, 50, 14));
    const QPainterPath ring = circle(50, 50, 26).subtracted(circle(50, 50, 21));
    return {body, ring, {}};
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

} // namespace

QRectF GlyphShape::bounds() const
{
    return body.boundingRect().united(light.boundingRect());
}

QString glyphName(Glyph glyph)
{
    for (const NamedGlyph &named : glyphNames) {
        if (named.glyph == glyph)
            return QString::fromLatin1(named.name);
    }
    return {};
}

std::optional<Glyph> glyphFromName(const QString &name)
{
    for (const NamedGlyph &named : glyphNames) {
        if (name == QLatin1String(named.name))
            return named.glyph;
    }
    return std::nullopt;
}

const QVector<Glyph> &allGlyphs()
{
    static const QVector<Glyph> glyphs = [] {
        QVector<Glyph> list;
        for (const NamedGlyph &named : glyphNames)
            list.append(named.glyph);
        return list;
    }();
    return glyphs;
}

GlyphShape glyphShape(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Flame:
        return flame();
    case Glyph::Drop:
        return drop();
    case Glyph::Leaf:
        return leaf();
    case Glyph::Shield:
        return shield();
    case Glyph::Sword:
        return sword();
    case Glyph::Star:
        return star();
    case Glyph::Moon:
        return moon();
    case Glyph::Sun:
        return sun();
    case Glyph::Eye:
        return eye();
    case Glyph::Hand:
        return hand();
    case Glyph::Skull:
        return skull();
    case Glyph::Bolt:
        return bolt();
    case Glyph::Arrow:
        return arrow();
    case Glyph::Wave:
        return wave();
    case Glyph::Crown:
        return crown();
    case Glyph::Feather:
        return feather();
    case Glyph::Paw:
        return paw();
    case Glyph::Claw:
        return claw();
    case Glyph::Heart:
        return heart();
    case Glyph::Gear:
        return gear();
    case Glyph::Spiral:
        return spiral();
    case Glyph::Tower:
        return tower();
    case Glyph::Axe:
        return axe();
    case Glyph::Bow:
        return bow();
    case Glyph::Orb:
        return orb();
    case Glyph::Snowflake:
        return snowflake();
    case Glyph::Mountain:
        return mountain();
    case Glyph::Tree:
        return tree();
    case Glyph::Wing:
        return wing();
    case Glyph::Fang:
        return fang();
    case Glyph::Chain:
        return chain();
    case Glyph::Hourglass:
        return hourglass();
    case Glyph::Mask:
        return mask();
    case Glyph::Book:
        return book();
    case Glyph::Potion:
        return potion();
    case Glyph::Rune:
        return rune();
    }
    return {};
}
