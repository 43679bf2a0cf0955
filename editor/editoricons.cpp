#include "editor/editoricons.h"

#include "editor/commandids.h"
#include "platform/paths.h"
#include "toolkit/svgicon.h"

#include <QFileInfo>
#include <QHash>
#include <QPixmap>

namespace editoricons {

namespace {

// Colours of every icon: ink, accent, wall, alert, paper, highlight.
#define INK "#2b3a4a"
#define BLUE "#2a7fd4"
#define WALL "#707070"
#define RED "#d23c32"
#define PAPER "#ffffff"
#define SUN "#f2b632"
#define GREEN "#2e9b4f"

// Shapes reused by several icons.
#define PAGE                                                                                       \
    "<path d='M5 2.5h10l4 4v15H5z' fill='" PAPER "' stroke='" INK                                  \
    "'/><path d='M15 2.5v4h4' fill='none' stroke='" INK "'/>"
#define LENS(extra)                                                                                \
    "<circle cx='10' cy='10' r='6.5' fill='#eaf3fc' stroke='" INK                                  \
    "' stroke-width='1.6'/><path d='M15 15l6 6' stroke='" INK                                      \
    "' stroke-width='3' stroke-linecap='round'/>" extra
#define ARROW(d)                                                                                   \
    "<path d='" d "' fill='" BLUE "' stroke='" INK "' stroke-width='0.8' "                         \
    "stroke-linejoin='round'/>"
#define ROOM "<path d='M4 5h16v14H4z' fill='#fdf3c4' stroke='" WALL "' stroke-width='3'/>"
#define DOOR                                                                                       \
    "<path d='M6 18V8' stroke='" INK                                                               \
    "' stroke-width='1.5'/><path d='M6 8a10 10 0 0 1 10 10' fill='none' stroke='" INK              \
    "' stroke-dasharray='2 1.5'/><path d='M3 18h18' stroke='" WALL "' stroke-width='3'/>"

// Outlines on a 24 x 24 grid.
const toolkit::SvgIconSource commandIcons[] = {
    {cmd::FileNew, PAGE "<path d='M12 10v8M8 14h8' stroke='" GREEN "' stroke-width='2.2'/>"},
    {cmd::FileNewPlain, PAGE},
    {cmd::FileOpen, "<path d='M2.5 6.5h7l2 2h8v11h-17z' fill='" SUN "' stroke='" INK
                    "'/><path d='M2.5 19.5l3-8h17l-3 8z' fill='#f8d77c' stroke='" INK "'/>"},
    {cmd::FileSave, "<path d='M3.5 3.5h14l3 3v14h-17z' fill='" BLUE "' stroke='" INK
                    "'/><path d='M7 3.5h9v6H7z' fill='" PAPER "' stroke='" INK
                    "'/><path d='M6.5 13.5h11v7h-11z' fill='#dbe8f5' stroke='" INK
                    "'/><path d='M13 5v3' stroke='" INK "' stroke-width='1.5'/>"},
    {cmd::FileSaveAs, "<path d='M3.5 3.5h14l3 3v14h-17z' fill='" BLUE "' stroke='" INK
                      "'/><path d='M7 3.5h9v6H7z' fill='" PAPER "' stroke='" INK
                      "'/><path d='M9 21l2-5 8-8 3 3-8 8z' fill='" SUN "' stroke='" INK "'/>"},
    {cmd::FilePrint, "<path d='M6.5 2.5h11v6h-11z' fill='" PAPER "' stroke='" INK
                     "'/><path d='M2.5 8.5h19v9h-19z' fill='#c9d3dd' stroke='" INK
                     "'/><path d='M6.5 14.5h11v7h-11z' fill='" PAPER "' stroke='" INK
                     "'/><circle cx='18.5' cy='11' r='1' fill='" GREEN "'/>"},
    {cmd::FilePrintPreview, PAGE "<circle cx='11' cy='12' r='4' fill='#eaf3fc' stroke='" INK
                                 "' stroke-width='1.4'/><path d='M14 15l4 4' stroke='" INK
                                 "' stroke-width='2.4' stroke-linecap='round'/>"},
    {cmd::Export,
     "<path d='M2.5 4.5h15v13h-15z' fill='#dff0ff' stroke='" INK
     "'/><path d='M3 17l5-6 4 4 2-2 3.5 4z' fill='" GREEN
     "'/><circle cx='13.5' cy='8.5' r='1.6' fill='" SUN "'/>" ARROW("M15 15h4v-3l4 5-4 5v-3h-4z")},
    {cmd::CloseDocument,
     PAGE "<path d='M9 11l6 6M15 11l-6 6' stroke='" RED "' stroke-width='2.2'/>"},
    {cmd::EditCut, "<circle cx='7' cy='17.5' r='3' fill='none' stroke='" INK
                   "' stroke-width='1.6'/><circle cx='17' cy='17.5' r='3' fill='none' stroke='" INK
                   "' stroke-width='1.6'/><path d='M9 15.5L17 3M15 15.5L7 3' stroke='" WALL
                   "' stroke-width='1.8'/>"},
    {cmd::EditCopy, "<path d='M3.5 2.5h10v13h-10z' fill='" PAPER "' stroke='" INK
                    "'/><path d='M9.5 8.5h11v13h-11z' fill='" PAPER "' stroke='" INK
                    "'/><path d='M12 12h6M12 15h6M12 18h4' stroke='" BLUE "'/>"},
    {cmd::EditPaste, "<path d='M4.5 4.5h13v17h-13z' fill='#c89b5a' stroke='" INK
                     "'/><path d='M8 3h6v3H8z' fill='#ddd' stroke='" INK
                     "'/><path d='M10.5 9.5h10v12h-10z' fill='" PAPER "' stroke='" INK
                     "'/><path d='M13 13h5M13 16h5M13 19h3' stroke='" BLUE "'/>"},
    {cmd::EditUndo,
     "<path d='M9 5L3 10l6 5v-3.2c4.5 0 7.5 1.5 10 6.2-.5-6-4-10-10-10.5z' fill='" BLUE
     "' stroke='" INK "' stroke-width='0.8' stroke-linejoin='round'/>"},
    {cmd::EditRedo,
     "<path d='M15 5l6 5-6 5v-3.2c-4.5 0-7.5 1.5-10 6.2.5-6 4-10 10-10.5z' fill='" BLUE
     "' stroke='" INK "' stroke-width='0.8' stroke-linejoin='round'/>"},
    {cmd::EditClear,
     "<path d='M5 5l14 14M19 5L5 19' stroke='" RED "' stroke-width='3.2' stroke-linecap='round'/>"},
    {cmd::EditSelectAll,
     "<path d='M3.5 3.5h17v17h-17z' fill='none' stroke='" INK
     "' stroke-dasharray='2 1.5'/><path d='M7 7h10v10H7z' fill='#cfe3f7' stroke='" BLUE "'/>"},
    {cmd::ZoomIn, LENS("<path d='M10 6.5v7M6.5 10h7' stroke='" INK "' stroke-width='1.8'/>")},
    {cmd::ZoomOut, LENS("<path d='M6.5 10h7' stroke='" INK "' stroke-width='1.8'/>")},
    {cmd::ZoomCustom, LENS("<text x='10' y='13' font-size='8' font-family='sans-serif' "
                           "font-weight='bold' text-anchor='middle' fill='" INK "'>%</text>")},
    {cmd::ZoomFitPage,
     "<path d='M2.5 2.5h19v19h-19z' fill='none' stroke='" BLUE
     "' stroke-dasharray='2 1.5'/><path d='M7.5 5.5h9v13h-9z' fill='" PAPER "' stroke='" INK "'/>"},
    {cmd::ZoomActualSize, "<path d='M3.5 5.5h17v13h-17z' fill='" PAPER "' stroke='" INK
                          "'/><text x='12' y='15.5' font-size='8' font-family='sans-serif' "
                          "font-weight='bold' text-anchor='middle' fill='" INK "'>1:1</text>"},
    {cmd::ZoomFitWidth, "<path d='M5.5 3.5h13v17h-13z' fill='" PAPER "' stroke='" INK
                        "'/>" ARROW("M2 12l4-3.5v2.3h12V8.5l4 3.5-4 3.5v-2.3H6v2.3z")},
    {cmd::ZoomFitHeight, "<path d='M5.5 3.5h13v17h-13z' fill='" PAPER "' stroke='" INK
                         "'/>" ARROW("M12 2l3.5 4h-2.3v12h2.3L12 22l-3.5-4h2.3V6H8.5z")},
    {cmd::GridGuides,
     "<path d='M3.5 3.5h17v17h-17z' fill='" PAPER "' stroke='" INK
     "'/><path d='M9 4v16M15 4v16M4 9h16M4 15h16' stroke='" BLUE "' stroke-width='0.8'/>"},
    {cmd::ToolSelect, "<path d='M6 3v16l4-4 3 6.5 2.5-1.2-3-6.3H18z' fill='" PAPER "' stroke='" INK
                      "' stroke-width='1.3' stroke-linejoin='round'/>"},
    {cmd::ToolLine, "<path d='M4 20L20 4' stroke='" INK
                    "' stroke-width='2'/><circle cx='4' cy='20' r='1.8' fill='" BLUE
                    "'/><circle cx='20' cy='4' r='1.8' fill='" BLUE "'/>"},
    {cmd::ToolRect,
     "<path d='M3.5 5.5h17v13h-17z' fill='#dbe8f5' stroke='" INK "' stroke-width='1.5'/>"},
    {cmd::ToolRoundRect,
     "<rect x='3.5' y='5.5' width='17' height='13' rx='4' fill='#dbe8f5' stroke='" INK
     "' stroke-width='1.5'/>"},
    {cmd::ToolRectRoom, ROOM},
    {cmd::ToolEllipse, "<ellipse cx='12' cy='12' rx='9' ry='6.5' fill='#dbe8f5' stroke='" INK
                       "' stroke-width='1.5'/>"},
    {cmd::ToolPolyRoom, "<path d='M4 5h10v5h6v9H4z' fill='#fdf3c4' stroke='" WALL
                        "' stroke-width='3' stroke-linejoin='miter'/>"},
    {cmd::ToolOpenPath, "<path d='M3 19l5-9 6 5 7-11' fill='none' stroke='" WALL
                        "' stroke-width='3' stroke-linejoin='round'/>"},
    {cmd::ToolText, "<text x='12' y='19' font-size='18' font-family='serif' font-weight='bold' "
                    "text-anchor='middle' fill='" INK "'>A</text>"},
    {cmd::ToolSymbol, "<path d='M12 2.5l2.8 6 6.5.7-4.9 4.4 1.4 6.4L12 16.8 6.2 20l1.4-6.4-4.9-4.4 "
                      "6.5-.7z' fill='" SUN "' stroke='" INK "' stroke-linejoin='round'/>"},
    {cmd::ToolFurniture,
     "<path d='M4 11h16v6H4z' fill='#c89b5a' stroke='" INK
     "'/><path d='M6 7h12v4H6z' fill='#d9b07a' stroke='" INK
     "'/><path d='M3 11h3v7H3zM18 11h3v7h-3z' fill='#a97a3f' stroke='" INK "'/>"},
    {cmd::ToolImage, "<path d='M2.5 4.5h19v15h-19z' fill='#dff0ff' stroke='" INK
                     "'/><path d='M3 19l6-7 4 4 3-3 5 6z' fill='" GREEN
                     "'/><circle cx='16' cy='9' r='2' fill='" SUN "'/>"},
    {cmd::ToolRegularPolygon,
     "<path d='M12 3l7.8 4.5v9L12 21l-7.8-4.5v-9z' fill='#fdf3c4' stroke='" WALL
     "' stroke-width='2.6'/>"},
    {cmd::ToolComment, "<path d='M3.5 3.5h17v12l-5 5h-12z' fill='#ffffa0' stroke='" INK
                       "'/><path d='M15.5 20.5v-5h5' fill='#d0d0a0' stroke='" INK
                       "'/><path d='M6 8h11M6 11h8' stroke='" WALL "'/>"},
    {cmd::ToolDimension,
     "<path d='M3 6v12M21 6v12' stroke='" INK "'/><path d='M3 12h18' stroke='" INK
     "'/><path d='M3 12l4-2.5v5zM21 12l-4-2.5v5z' fill='" INK
     "'/><text x='12' y='9' font-size='6' font-family='sans-serif' text-anchor='middle' fill='" BLUE
     "'>mm</text>"},
    {cmd::InsertOpening, DOOR "<path d='M17 4v6M14 7h6' stroke='" GREEN "' stroke-width='2'/>"},
    {cmd::MoveOpening, DOOR ARROW("M14 5h4V3l3.5 3.5L18 10V8h-4z")},
    {cmd::DeleteOpening, DOOR "<path d='M15 3l6 6M21 3l-6 6' stroke='" RED "' stroke-width='2'/>"},
    {cmd::InvertOpening,
     "<path d='M3 12h18' stroke='" WALL
     "' stroke-width='3'/><path d='M7 12a5 5 0 0 1 10 0' fill='none' stroke='" INK
     "' stroke-dasharray='2 1.3'/><path d='M7 12a5 5 0 0 0 10 0' fill='none' stroke='" BLUE "'/>"},
    {cmd::FlipOpeningAlongWall,
     "<path d='M3 18h18' stroke='" WALL
     "' stroke-width='3'/><path d='M6 18V9a9 9 0 0 1 6 9' fill='none' stroke='" INK
     "'/><path d='M18 18V9a9 9 0 0 0-6 9' fill='none' stroke='" BLUE "'/>"},
    {cmd::FlipOpeningHorizontally,
     "<path d='M12 3v18' stroke='" INK
     "' stroke-dasharray='2 1.5'/><path d='M10 6L3 12l7 6z' fill='" BLUE
     "'/><path d='M14 6l7 6-7 6z' fill='none' stroke='" INK "'/>"},
    {cmd::OpeningProperties, DOOR "<path d='M13 3.5h8v7h-8z' fill='" PAPER "' stroke='" INK
                                  "'/><path d='M14.5 5.5h5M14.5 7.5h5' stroke='" BLUE "'/>"},
    {cmd::ResizeOpening, DOOR ARROW("M12 5l3-2.5v1.7h3V2.5L21 5l-3 2.5V5.8h-3v1.7z")},
    {cmd::SplitSegment,
     "<path d='M3 12h18' stroke='" WALL
     "' stroke-width='3'/><circle cx='9' cy='12' r='2.2' fill='" BLUE "' stroke='" INK
     "'/><circle cx='15' cy='12' r='2.2' fill='" BLUE "' stroke='" INK "'/>"},
    {cmd::SplitSegmentAtPoint,
     "<path d='M3 12h18' stroke='" WALL
     "' stroke-width='3'/><circle cx='12' cy='12' r='2.5' fill='" BLUE "' stroke='" INK
     "'/><path d='M12 3v5' stroke='" INK "'/><path d='M10 6l2 2.5 2-2.5z' fill='" INK "'/>"},
    {cmd::DeleteSegment, "<path d='M3 18L9 6M15 6l6 12' stroke='" WALL
                         "' stroke-width='3'/><path d='M9 6h6' stroke='" RED
                         "' stroke-width='3' stroke-dasharray='2 1.5'/>"},
    {cmd::RotateRoom, "<path d='M7 7h10v10H7z' fill='#fdf3c4' stroke='" WALL
                      "' stroke-width='2.4' transform='rotate(20 12 12)'/><path d='M20 12a8 8 0 0 "
                      "1-8 8' fill='none' stroke='" BLUE
                      "' stroke-width='1.8'/><path d='M12 17v6l-3.5-3z' fill='" BLUE "'/>"},
    {cmd::ScaleRoom, "<path d='M3 9h10v12H3z' fill='#fdf3c4' stroke='" WALL
                     "' stroke-width='2.4'/>" ARROW("M12 12l5-5h-3V4h7v7h-3V8l-5 5z")},
    {cmd::AlignHorizontally,
     "<path d='M4 4v16' stroke='" RED
     "' stroke-dasharray='2 1.5'/><path d='M4 6h14M4 12h9M4 18h16' stroke='" WALL
     "' stroke-width='3'/>"},
    {cmd::AlignVertically,
     "<path d='M4 20h16' stroke='" RED
     "' stroke-dasharray='2 1.5'/><path d='M6 20V6M12 20v-9M18 20V4' stroke='" WALL
     "' stroke-width='3'/>"},
    {cmd::PredefinedStyles, ROOM "<path d='M8 10h8M8 14h5' stroke='" INK "'/>"},
    {cmd::MoveUp, ARROW("M12 3l7 8h-4v10H9V11H5z")},
    {cmd::MoveDown, ARROW("M12 21l7-8h-4V3H9v10H5z")},
    {cmd::MoveLeft, ARROW("M3 12l8-7v4h10v6H11v4z")},
    {cmd::MoveRight, ARROW("M21 12l-8-7v4H3v6h10v4z")},
    {cmd::NudgeUp,
     "<path d='M12 6l5 6h-3v6h-4v-6H7z' fill='" BLUE "' stroke='" INK "' stroke-width='0.8'/>"},
    {cmd::NudgeDown,
     "<path d='M12 18l5-6h-3V6h-4v6H7z' fill='" BLUE "' stroke='" INK "' stroke-width='0.8'/>"},
    {cmd::NudgeLeft,
     "<path d='M6 12l6-5v3h6v4h-6v3z' fill='" BLUE "' stroke='" INK "' stroke-width='0.8'/>"},
    {cmd::NudgeRight,
     "<path d='M18 12l-6-5v3H6v4h6v3z' fill='" BLUE "' stroke='" INK "' stroke-width='0.8'/>"},
    {cmd::Clone, "<path d='M5.5 5.5h13v13h-13z' fill='#dbe8f5' stroke='" INK
                 "'/><path d='M5.5 5.5h13v13h-13z' fill='none' stroke='" BLUE
                 "' stroke-dasharray='2 1.5' transform='translate(1 1)'/>"},
    {cmd::Duplicate, "<path d='M3.5 3.5h12v12h-12z' fill='#dbe8f5' stroke='" INK
                     "'/><path d='M8.5 8.5h12v12h-12z' fill='#cfe3f7' stroke='" BLUE "'/>"},
    {cmd::OrderToFront, "<path d='M3.5 10.5h10v10h-10z' fill='#ddd' stroke='" WALL
                        "'/><path d='M8.5 3.5h12v12h-12z' fill='" BLUE "' stroke='" INK "'/>"},
    {cmd::OrderToBack, "<path d='M8.5 3.5h12v12h-12z' fill='" BLUE "' stroke='" INK
                       "'/><path d='M3.5 10.5h10v10h-10z' fill='#ddd' stroke='" WALL "'/>"},
    {cmd::OrderForwardOne, "<path d='M3.5 12.5h9v9h-9z' fill='#ddd' stroke='" WALL
                           "'/><path d='M7.5 7.5h9v9h-9z' fill='" BLUE "' stroke='" INK
                           "'/><path d='M11.5 2.5h9v9h-9z' fill='#eee' stroke='" WALL "'/>"},
    {cmd::OrderBackOne, "<path d='M7.5 7.5h9v9h-9z' fill='" BLUE "' stroke='" INK
                        "'/><path d='M3.5 12.5h9v9h-9z' fill='#ddd' stroke='" WALL
                        "'/><path d='M11.5 2.5h9v9h-9z' fill='#eee' stroke='" WALL "'/>"},
    {cmd::ShowCornerIds,
     "<path d='M5 5h14v14H5z' fill='none' stroke='" WALL
     "' stroke-width='2'/><circle cx='5' cy='5' r='3.5' fill='" PAPER "' stroke='" BLUE
     "'/><text x='5' y='7' font-size='5.5' font-family='sans-serif' text-anchor='middle' "
     "fill='" BLUE "'>1</text><circle cx='19' cy='19' r='3.5' fill='" PAPER "' stroke='" BLUE
     "'/><text x='19' y='21' font-size='5.5' font-family='sans-serif' text-anchor='middle' "
     "fill='" BLUE "'>3</text>"},
    {cmd::ShowWallIds,
     "<path d='M3 6h18M3 18h18' stroke='" WALL
     "' stroke-width='3'/><circle cx='12' cy='12' r='4' fill='" PAPER "' stroke='" BLUE
     "'/><text x='12' y='14.2' font-size='6' font-family='sans-serif' text-anchor='middle' "
     "fill='" BLUE "'>2</text>"},
    {cmd::ShowRotationCenter,
     "<circle cx='12' cy='12' r='5' fill='none' stroke='" RED
     "'/><path d='M12 3v18M3 12h18' stroke='" RED "' stroke-width='1.3'/>"},
    {cmd::DocumentType, PAGE "<path d='M8 10h8M8 13h8M8 16h5' stroke='" BLUE "'/>"},
    {cmd::FillColour,
     "<path d='M4 12l7-7 7 7-7 7z' fill='" SUN "' stroke='" INK
     "'/><path d='M19 14c1.5 2 2 3.2 2 4a2 2 0 0 1-4 0c0-.8.5-2 2-4z' fill='" BLUE "'/>"},
    {cmd::BorderColour,
     "<path d='M4 4h16v16H4z' fill='none' stroke='" RED
     "' stroke-width='3'/><path d='M9 15l1-3 6-6 2 2-6 6z' fill='" SUN "' stroke='" INK "'/>"},
    {cmd::AutoFormat,
     "<path d='M4 20L15 9' stroke='" INK "' stroke-width='2.4' stroke-linecap='round'/><path "
     "d='M17 2l1 3 3 1-3 1-1 3-1-3-3-1 3-1z' fill='" SUN
     "'/><path d='M20 11l.6 1.4 1.4.6-1.4.6-.6 1.4-.6-1.4L18 13l1.4-.6z' fill='" SUN "'/>"},
    {cmd::Customize,
     "<path d='M3.5 4.5h17v4h-17z' fill='#dbe8f5' stroke='" INK
     "'/><path d='M6 6.5h2M10 6.5h2M14 6.5h2' stroke='" INK
     "' stroke-width='1.5'/><path d='M7 20l2-5 7-7 3 3-7 7z' fill='" SUN "' stroke='" INK "'/>"},
    {cmd::KeyboardMap, "<path d='M2.5 7.5h19v10h-19z' fill='#eee' stroke='" INK
                       "'/><path d='M5 10h2M9 10h2M13 10h2M17 10h2M5 13h2M9 13h2M13 13h2M17 13h2M7 "
                       "15.5h10' stroke='" INK "' stroke-width='1.2'/>"},
    {cmd::FullScreen,
     "<path d='M3 9V3h6M15 3h6v6M21 15v6h-6M9 21H3v-6' fill='none' stroke='" INK
     "' stroke-width='2'/><path d='M7.5 7.5h9v9h-9z' fill='#dbe8f5' stroke='" BLUE "'/>"},
    {cmd::WindowsDialog, "<path d='M2.5 3.5h13v10h-13z' fill='" PAPER "' stroke='" INK
                         "'/><path d='M2.5 3.5h13v2.5h-13z' fill='" BLUE
                         "'/><path d='M8.5 10.5h13v10h-13z' fill='" PAPER "' stroke='" INK
                         "'/><path d='M8.5 10.5h13V13h-13z' fill='" BLUE "'/>"},
    {cmd::WindowCascade, "<path d='M2.5 2.5h12v9h-12z' fill='" PAPER "' stroke='" INK
                         "'/><path d='M6.5 6.5h12v9h-12z' fill='" PAPER "' stroke='" INK
                         "'/><path d='M10.5 10.5h11v10h-11z' fill='" PAPER "' stroke='" INK
                         "'/><path d='M10.5 10.5h11V13h-11z' fill='" BLUE "'/>"},
    {cmd::WindowTileHorz,
     "<path d='M2.5 3.5h19v8h-19zM2.5 12.5h19v8h-19z' fill='" PAPER "' stroke='" INK
     "'/><path d='M2.5 3.5h19V6h-19zM2.5 12.5h19V15h-19z' fill='" BLUE "'/>"},
    {cmd::CheckForUpdates,
     "<circle cx='12' cy='12' r='9' fill='#e5f4ea' stroke='" GREEN
     "' stroke-width='1.6'/><path d='M12 6v9' stroke='" GREEN
     "' stroke-width='2.4'/><path d='M7.5 12l4.5 5 4.5-5z' fill='" GREEN "'/>"},
    {cmd::AppAbout,
     "<circle cx='12' cy='12' r='9.5' fill='" BLUE "'/><path d='M12 10.5v7' stroke='" PAPER
     "' stroke-width='2.4'/><circle cx='12' cy='7' r='1.5' fill='" PAPER "'/>"},
};

using toolkit::iconFromSvg;

// Icons are made on first use and kept for the life of the process.
QHash<int, QIcon> &iconCache()
{
    static QHash<int, QIcon> cache;
    return cache;
}

} // namespace

QIcon commandIcon(int commandId)
{
    return toolkit::tableIcon(commandIcons, commandId, iconCache());
}

QIcon applicationIcon()
{
    // The program's own drawing from the program folder; ours when it is missing.
    const QString installed = platform::programFolder() + QStringLiteral("icons/domora.svg");
    if (QFileInfo::exists(installed)) {
        static const QIcon icon(installed);
        return icon;
    }
    static const QIcon icon = iconFromSvg(
        "<path d='M2 11L12 3l10 8' fill='none' stroke='" RED
        "' stroke-width='2.4' stroke-linejoin='round'/>"
        "<path d='M4.5 10.5h15v11h-15z' fill='#fdf3c4' stroke='" WALL "' stroke-width='2.4'/>"
        "<path d='M12 11v10M5 15.5h7' stroke='" WALL "' stroke-width='1.6'/>"
        "<path d='M15 21v-4a3 3 0 0 1 3 3' fill='none' stroke='" INK "'/>");
    return icon;
}

QList<QIcon> newDocumentImages()
{
    static const QList<QIcon> images = {
        // A placard: the sign with a plan in its free area.
        iconFromSvg("<path d='M2.5 4.5h19v13h-19z' fill='" SUN "' stroke='" INK "'/>"
                    "<path d='M11 19v3M13 19v3' stroke='" INK "' stroke-width='1.5'/>"
                    "<path d='M12.5 6.5h7v6h-7z' fill='" PAPER "' stroke='" WALL
                    "' stroke-width='1.4'/>"
                    "<path d='M4.5 7h6M4.5 9.5h6M4.5 12h4' stroke='" RED "' stroke-width='1.4'/>"),
        // The wizard: a plan with a magic wand.
        iconFromSvg(
            PAGE "<path d='M3 21l9-9' stroke='" INK "' stroke-width='2.2' stroke-linecap='round'/>"
                 "<path d='M14 7l.8 2.2L17 10l-2.2.8L14 13l-.8-2.2L11 10l2.2-.8z' fill='" SUN
                 "' stroke='" INK "' stroke-width='0.5'/>"),
        // A Printnet page: a landscape sheet with a picture, for print and web.
        iconFromSvg("<path d='M1.5 5.5h21v14h-21z' fill='" PAPER "' stroke='" INK "'/>"
                    "<path d='M3.5 7.5h10v10h-10z' fill='#fdf3c4' stroke='" WALL
                    "' stroke-width='1.6'/>"
                    "<path d='M15 9h6M15 12h6M15 15h4' stroke='" BLUE "'/>"),
        // A normal plan: a portrait sheet with rooms.
        iconFromSvg(PAGE "<path d='M7.5 9.5h9v9h-9z' fill='#fdf3c4' stroke='" WALL
                         "' stroke-width='1.6'/>"
                         "<path d='M12 9.5v9M7.5 14h4.5' stroke='" WALL "' stroke-width='1.2'/>"),
    };
    return images;
}

QPixmap zoomCursorPixmap()
{
    return commandIcon(cmd::ZoomIn).pixmap(24, 24);
}

} // namespace editoricons
