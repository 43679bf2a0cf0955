#pragma once

#include "geokit/geokit.h"
#include "model/openingops.h"

#include <QString>

#include <optional>

namespace editing {

// The drawing tools; the current one is shared by every view.
enum class Tool
{
    Select = 0,
    Line = 1,
    Rect = 2,
    RoundRect = 3,
    RectRoom = 4,
    Ellipse = 5,
    PolyRoom = 6,
    OpenPath = 7,
    Text = 8,
    Picture = 9, // a picture from the library, placed by a drag
    RegularPolygon = 10,
    Comment = 11,
    Dimension = 12
};

// The click modes: the next click on a room, a wall or a door carries out
// the command that set the mode.
namespace clickmode {
inline constexpr int none = 0;
inline constexpr int insertOpening = 1;
inline constexpr int splitSegment = 10;
inline constexpr int deleteSegment = 11;
inline constexpr int moveOpening = 20;
inline constexpr int deleteOpening = 21;
inline constexpr int invertOpening = 22;
inline constexpr int flipAlongWall = 23;
inline constexpr int flipHorizontally = 24;
inline constexpr int openingProperties = 25;
inline constexpr int rotateRoom = 30;
inline constexpr int scaleRoom = 40;
inline constexpr int resizeOpening = 50;
inline constexpr int splitAtPoint = 60;
} // namespace clickmode

// The tool a tool command chooses (the three picture commands all choose
// the picture tool).
[[nodiscard]] std::optional<Tool> toolForCommand(int commandId);
// The click mode a command sets at once (the modes whose command shows a
// dialog first are set after it).
[[nodiscard]] std::optional<int> clickModeForCommand(int commandId);
// The commands enabled only while exactly one room is selected.
[[nodiscard]] bool isRoomCommand(int commandId);
// Whether a click mode picks a door or window.
[[nodiscard]] bool picksOpening(int mode);

// What the three picture commands open: the picker's caption and folder.
struct PictureSource
{
    QString caption;
    QString folder; // below the program folder
};
[[nodiscard]] std::optional<PictureSource> pictureSourceForCommand(int commandId);

// The values the tools share across views: the tool, the number chosen in
// the number dialog (sides of a regular polygon, vertices to add), the door
// or window prepared for insertion, the picture waiting to be placed.
struct ToolState
{
    Tool tool = Tool::Select;
    int count = 3;
    model::OpeningProperties opening;
    QString picturePath;
    bool keepPictureSize = true;
    int pictureCommand = 0; // the command that chose the picture
};
ToolState &toolState();

// The polygon and open-path tools: the vertex is too close to the one
// before while the spacing rule is on.
[[nodiscard]] bool tooClose(geokit::PointF previous, geokit::PointF point, double spacingMm);

// The read-outs of the polygon and open-path tools.
struct DrawingReadouts
{
    QString pointMm;  // "%d, %d [mm]"
    QString pointM;   // "%5.2f, %5.2f [m]"
    QString lengthMm; // "%5.2f [mm]"
    QString lengthM;  // "%5.2f [m]"
    QString status;   // "Lunghezza segmento: %s, %s"
};
[[nodiscard]] DrawingReadouts drawingReadouts(geokit::Point current,
                                              std::optional<geokit::PointF> previous, double scale);
// The read-outs once a tool finishes: "0, 0 [mm]", "0, 0 [m]", "0 [mm]", "0 [m]".
[[nodiscard]] DrawingReadouts finishedReadouts();
// The position read-out once a tool finishes.
[[nodiscard]] QString finishedPosition();

// The size a picture keeps on the sheet when it is inserted at its own size:
// its pixels at its resolution (96 dpi when it has none), whole millimetres,
// at least 1. None when the file cannot be read.
[[nodiscard]] std::optional<geokit::Size> pictureSizeMm(const QString &path);

// The angle, in degrees within (-180, 180], that turns the direction from
// the centre to `from` into the direction to `to`.
[[nodiscard]] double dragAngleDeg(geokit::PointF centre, geokit::PointF from, geokit::PointF to);
// The factor that scales the distance from the centre to `from` into the
// distance to `to`; none when `from` is the centre.
[[nodiscard]] std::optional<double> dragFactor(geokit::PointF centre, geokit::PointF from,
                                               geokit::PointF to);

} // namespace editing
