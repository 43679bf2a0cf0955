#include "model/openingsymbol.h"

#include "geokit/geokit.h"
#include "graphics/context.h"
#include "graphics/hatch.h"

#include <QLineF>

#include <algorithm>
#include <utility>

namespace {

using graphics::Pen;

geokit::PointF toGeo(QPointF p)
{
    return {static_cast<float>(p.x()), static_cast<float>(p.y())};
}

QPointF fromGeo(geokit::PointF p)
{
    return {p.x, p.y};
}

QPointF towards(QPointF from, QPointF to, double distance)
{
    return fromGeo(geokit::ptNewDistance(toGeo(from), toGeo(to), distance));
}

QPointF turned(QPointF p, QPointF centre, double degrees)
{
    return fromGeo(geokit::rotatePoint(toGeo(p), toGeo(centre), degrees));
}

graphics::DashStyle dashStyle(int dash)
{
    switch (dash) {
    case 1:
        return graphics::DashStyle::Dash;
    case 2:
        return graphics::DashStyle::Dot;
    default:
        return graphics::DashStyle::Solid;
    }
}

Pen makePen(quint32 color, double width, int dash)
{
    Pen pen(color, width);
    pen.setDashStyle(dashStyle(dash));
    return pen;
}

// One leaf hinged at `hinge` whose closed tip lies at `farEnd` on the opening
// line. `sign` is +1 for a leaf hinged at the opening's start and -1 for one
// hinged at its end, so that both swing to the same side of the wall.
void drawLeaf(graphics::Context &context, const OpeningSymbol &s, int angle, QPointF hinge,
              QPointF farEnd, int sign)
{
    const QPointF leafEnd = turned(farEnd, hinge, sign * (angle + 90));
    context.drawLine(makePen(s.strokeColor, 0.5, s.strokeDash), hinge, leafEnd);

    const Pen arcPen = makePen(s.arcColor, 0.4, s.arcDash);
    if (s.arcKind == 1) {
        const int base = angle == 0 ? 0 : 270;
        const QPointF c1 = turned(farEnd, hinge, sign * (base + 30));
        const QPointF c2 = turned(farEnd, hinge, sign * (base + 60));
        if (angle == 180)
            context.drawBezier(arcPen, leafEnd, c1, c2, farEnd);
        else
            context.drawBezier(arcPen, farEnd, c1, c2, leafEnd);
    } else if (s.arcKind == 2) {
        context.drawLine(arcPen, farEnd, leafEnd);
    }
}

// A jamb across the wall through `at`: as long as the wall is wide.
QLineF jamb(QPointF at, QPointF other, double wallWidth)
{
    const QPointF half = towards(at, other, wallWidth / 2.0);
    return QLineF(turned(half, at, 90), turned(half, at, 270));
}

} // namespace

int effectiveOpeningAngle(const OpeningSymbol &s)
{
    if (!s.orientation)
        return s.angle;
    const OrientationCheck &check = *s.orientation;
    QPointF hinge = check.segmentStart;
    QPointF other = check.segmentEnd;
    if (s.flipped)
        std::swap(hinge, other);
    // A wall without width still needs a probe off the outline.
    const double reach = std::max(s.wallWidth / 2.0, 0.25);
    const QPointF probe = turned(towards(hinge, other, reach), hinge, 90);
    const bool inside = check.room.containsPoint(probe, Qt::OddEvenFill);
    const bool wrongSide = s.opensInwards ? !inside : inside;
    if (!wrongSide)
        return s.angle;
    return s.angle != 180 ? 180 : 0;
}

void DrawOpeningSymbol(graphics::Context &context, const OpeningSymbol &s)
{
    QPointF start = s.start;
    QPointF end = s.end;
    const double length = QLineF(start, end).length();
    if (s.flipped)
        std::swap(start, end);
    const int angle = effectiveOpeningAngle(s);
    const double wall = s.wallWidth;

    const Pen pen = makePen(s.strokeColor, 1.0, s.strokeDash);
    context.drawLineSegments(pen, {jamb(start, end, wall), jamb(end, start, wall)});

    switch (s.type) {
    case 1:
        drawLeaf(context, s, angle, start, end, +1);
        break;
    case 2:
    case 3: {
        const double share = s.type == 2 ? 0.5 : 0.75;
        drawLeaf(context, s, angle, start, towards(start, end, length * share), +1);
        drawLeaf(context, s, angle, end, towards(end, start, length * (1.0 - share)), -1);
        break;
    }
    case 4:
    case 5: {
        // A third of the wall, counted in whole millimetres.
        const double barWidth = static_cast<int>(wall) / 3;
        const quint32 color =
            s.type == 4 ? openingcolors::fireDoorBar : openingcolors::glassWallBar;
        context.drawLine(Pen(color, barWidth), start, end);
        break;
    }
    case 6: {
        const QPointF middle = towards(start, end, length / 2.0);
        const QPointF reach = towards(middle, end, std::max(length / 2.0, wall));
        context.drawLine(makePen(openingcolors::entranceOuter, 0.5, s.strokeDash), middle,
                         turned(reach, middle, angle + 90));
        context.drawLine(makePen(openingcolors::entranceInner, 0.5, s.strokeDash), middle,
                         turned(reach, middle, angle + 270));
        break;
    }
    case 7: {
        const QPointF tip = turned(end, start, angle + 90);
        const QPointF farFace = turned(towards(start, end, wall / 2.0), start, angle - 90);
        context.drawLine(makePen(s.strokeColor, 0.5, s.strokeDash), farFace, tip);
        break;
    }
    case 8: {
        const Pen thin = makePen(s.strokeColor, 0.5, s.strokeDash);
        const double offset = wall / 4.0;
        for (const int side : {90, 270}) {
            const QPointF a = turned(towards(start, end, offset), start, side);
            const QPointF b = turned(towards(end, start, offset), end, -side);
            context.drawLine(thin, a, b);
        }
        context.drawLine(thin, start, end);
        break;
    }
    default:
        break;
    }

    if (s.highlighted) {
        const graphics::Brush wave = graphics::Brush::hatch(
            static_cast<int>(graphics::HatchStyle::Wave), openingcolors::highlight, 0x00000000);
        context.drawLine(Pen(wave, wall), start, end);
    }
}
