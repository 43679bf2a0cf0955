#include "editor/tools/editingtools.h"

#include "editor/commandids.h"

#include <QCoreApplication>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace editing {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("editing", text);
}

constexpr double mmPerInch = 25.4;
constexpr double inchesPerMetre = 0.0254;
constexpr double screenDpi = 96.0;
constexpr double smallestFactor = 0.05;

} // namespace

std::optional<Tool> toolForCommand(int id)
{
    switch (id) {
    case cmd::ToolSelect:
        return Tool::Select;
    case cmd::ToolLine:
        return Tool::Line;
    case cmd::ToolRect:
        return Tool::Rect;
    case cmd::ToolRoundRect:
        return Tool::RoundRect;
    case cmd::ToolRectRoom:
        return Tool::RectRoom;
    case cmd::ToolEllipse:
        return Tool::Ellipse;
    case cmd::ToolPolyRoom:
        return Tool::PolyRoom;
    case cmd::ToolOpenPath:
        return Tool::OpenPath;
    case cmd::ToolText:
        return Tool::Text;
    case cmd::ToolSymbol:
    case cmd::ToolFurniture:
    case cmd::ToolImage:
        return Tool::Picture;
    case cmd::ToolRegularPolygon:
        return Tool::RegularPolygon;
    case cmd::ToolComment:
        return Tool::Comment;
    case cmd::ToolDimension:
        return Tool::Dimension;
    default:
        return std::nullopt;
    }
}

std::optional<int> clickModeForCommand(int id)
{
    switch (id) {
    case cmd::DeleteSegment:
        return clickmode::deleteSegment;
    case cmd::MoveOpening:
        return clickmode::moveOpening;
    case cmd::DeleteOpening:
        return clickmode::deleteOpening;
    case cmd::InvertOpening:
        return clickmode::invertOpening;
    case cmd::FlipOpeningAlongWall:
        return clickmode::flipAlongWall;
    case cmd::FlipOpeningHorizontally:
        return clickmode::flipHorizontally;
    case cmd::OpeningProperties:
        return clickmode::openingProperties;
    case cmd::RotateRoom:
        return clickmode::rotateRoom;
    case cmd::ScaleRoom:
        return clickmode::scaleRoom;
    case cmd::ResizeOpening:
        return clickmode::resizeOpening;
    case cmd::SplitSegmentAtPoint:
        return clickmode::splitAtPoint;
    default:
        return std::nullopt;
    }
}

bool isRoomCommand(int id)
{
    switch (id) {
    case cmd::SplitSegment:
    case cmd::DeleteSegment:
    case cmd::AlignHorizontally:
    case cmd::AlignVertically:
    case cmd::AlignToGrid:
    case cmd::SplitSegmentAtPoint:
    case cmd::RotateRoom:
    case cmd::ScaleRoom:
    case cmd::InsertOpening:
    case cmd::MoveOpening:
    case cmd::DeleteOpening:
    case cmd::InvertOpening:
    case cmd::FlipOpeningAlongWall:
    case cmd::FlipOpeningHorizontally:
    case cmd::OpeningProperties:
    case cmd::ResizeOpening:
    case cmd::PredefinedStyles:
        return true;
    default:
        return false;
    }
}

bool picksOpening(int mode)
{
    return (mode >= clickmode::moveOpening && mode <= clickmode::openingProperties) ||
           mode == clickmode::resizeOpening;
}

std::optional<PictureSource> pictureSourceForCommand(int id)
{
    switch (id) {
    case cmd::ToolSymbol:
        return PictureSource{tr("Seleziona simbolo"), QStringLiteral("Library/Simboli")};
    case cmd::ToolFurniture:
        return PictureSource{tr("Seleziona oggetto"), QStringLiteral("Library/Oggetti")};
    case cmd::ToolImage:
        return PictureSource{tr("Seleziona immagine"), QStringLiteral("Library/Immagini")};
    default:
        return std::nullopt;
    }
}

ToolState &toolState()
{
    static ToolState state;
    return state;
}

bool tooClose(geokit::PointF previous, geokit::PointF point, double spacingMm)
{
    return std::hypot(double(point.x) - previous.x, double(point.y) - previous.y) < spacingMm;
}

DrawingReadouts drawingReadouts(geokit::Point current, std::optional<geokit::PointF> previous,
                                double scale)
{
    DrawingReadouts r;
    r.pointMm = QString::asprintf("%d, %d [mm]", current.x, current.y);
    r.pointM = QString::asprintf("%5.2f, %5.2f [m]", current.x * scale, current.y * scale);
    double length = 0.0;
    if (previous)
        length = std::hypot(current.x - double(previous->x), current.y - double(previous->y));
    r.lengthMm = QString::asprintf("%5.2f [mm]", length);
    r.lengthM = QString::asprintf("%5.2f [m]", length * scale);
    r.status = tr("Lunghezza segmento: %1, %2").arg(r.lengthMm, r.lengthM);
    return r;
}

DrawingReadouts finishedReadouts()
{
    return {QStringLiteral("0, 0 [mm]"), QStringLiteral("0, 0 [m]"), QStringLiteral("0 [mm]"),
            QStringLiteral("0 [m]"), QString()};
}

QString finishedPosition()
{
    return QStringLiteral("(0, 0) [mm]");
}

std::optional<geokit::Size> pictureSizeMm(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    const auto dpi = [](int dotsPerMetre) {
        const double d = dotsPerMetre * inchesPerMetre;
        return d >= 1.0 ? d : screenDpi;
    };
    const int w =
        std::max(1, int(std::lround(image.width() * mmPerInch / dpi(image.dotsPerMeterX()))));
    const int h =
        std::max(1, int(std::lround(image.height() * mmPerInch / dpi(image.dotsPerMeterY()))));
    return geokit::Size{w, h};
}

double dragAngleDeg(geokit::PointF centre, geokit::PointF from, geokit::PointF to)
{
    const double a = geokit::calcSegmentAngle(centre, from);
    const double b = geokit::calcSegmentAngle(centre, to);
    double deg = geokit::rad2deg(b - a);
    while (deg > 180.0)
        deg -= 360.0;
    while (deg <= -180.0)
        deg += 360.0;
    return deg;
}

std::optional<double> dragFactor(geokit::PointF centre, geokit::PointF from, geokit::PointF to)
{
    const double d0 = std::hypot(double(from.x) - centre.x, double(from.y) - centre.y);
    if (d0 < 1e-6)
        return std::nullopt;
    const double d1 = std::hypot(double(to.x) - centre.x, double(to.y) - centre.y);
    return std::max(smallestFactor, d1 / d0);
}

} // namespace editing
