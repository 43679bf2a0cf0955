#include "notepad/jottericons.h"

#include "toolkit/commandids.h"
#include "toolkit/svgicon.h"

#include <QHash>

namespace jottericons {

namespace {

#define INK "#2b3a4a"
#define BLUE "#2a7fd4"
#define PAPER "#ffffff"
#define SUN "#f2b632"
#define GREEN "#2e9b4f"
#define RED "#d23c32"
#define GREY "#707070"

// A sheet with ruled lines, the picture of a text document.
#define SHEET                                                                                      \
    "<path d='M5 2.5h10l4 4v15H5z' fill='" PAPER "' stroke='" INK "'/>"                            \
    "<path d='M15 2.5v4h4' fill='none' stroke='" INK "'/>"
#define LINES                                                                                      \
    "<path d='M7.5 10h9M7.5 13h9M7.5 16h9M7.5 19h6' stroke='" BLUE "' stroke-width='0.9'/>"

// Outlines on a 24 x 24 grid.
const toolkit::SvgIconSource commandIcons[] = {
    {toolkit::cmd::FileNew,
     SHEET "<path d='M12 10v8M8 14h8' stroke='" GREEN "' stroke-width='2.2'/>"},
    {toolkit::cmd::FileOpen, "<path d='M2.5 6.5h7l2 2h8v11h-17z' fill='" SUN "' stroke='" INK "'/>"
                             "<path d='M2.5 19.5l3-8h17l-3 8z' fill='#f8d77c' stroke='" INK "'/>"},
    {toolkit::cmd::FileSave, "<path d='M3.5 3.5h14l3 3v14h-17z' fill='" BLUE "' stroke='" INK "'/>"
                             "<path d='M7 3.5h9v6H7z' fill='" PAPER "' stroke='" INK "'/>"
                             "<path d='M6.5 13.5h11v7h-11z' fill='#dbe8f5' stroke='" INK "'/>"
                             "<path d='M13 5v3' stroke='" INK "' stroke-width='1.5'/>"},
    {toolkit::cmd::FilePrint, "<path d='M6.5 2.5h11v6h-11z' fill='" PAPER "' stroke='" INK "'/>"
                              "<path d='M2.5 8.5h19v9h-19z' fill='#c9d3dd' stroke='" INK "'/>"
                              "<path d='M6.5 14.5h11v7h-11z' fill='" PAPER "' stroke='" INK "'/>"
                              "<circle cx='18.5' cy='11' r='1' fill='" GREEN "'/>"},
    {toolkit::cmd::FilePrintPreview,
     SHEET "<circle cx='11' cy='12' r='4' fill='#eaf3fc' stroke='" INK "' stroke-width='1.4'/>"
           "<path d='M14 15l4 4' stroke='" INK "' stroke-width='2.4' stroke-linecap='round'/>"},
    {toolkit::cmd::FileSendMail, "<path d='M2.5 5.5h19v13h-19z' fill='" PAPER "' stroke='" INK "'/>"
                                 "<path d='M2.5 5.5l9.5 8 9.5-8' fill='none' stroke='" INK "'/>"
                                 "<path d='M2.5 18.5l7-6.5M21.5 18.5l-7-6.5' stroke='" GREY "'/>"},
    {toolkit::cmd::EditCut,
     "<circle cx='7' cy='17.5' r='3' fill='none' stroke='" INK "' stroke-width='1.6'/>"
     "<circle cx='17' cy='17.5' r='3' fill='none' stroke='" INK "' stroke-width='1.6'/>"
     "<path d='M9 15.5L17 3M15 15.5L7 3' stroke='" GREY "' stroke-width='1.8'/>"},
    {toolkit::cmd::EditCopy, "<path d='M3.5 2.5h10v13h-10z' fill='" PAPER "' stroke='" INK "'/>"
                             "<path d='M9.5 8.5h11v13h-11z' fill='" PAPER "' stroke='" INK "'/>"
                             "<path d='M12 12h6M12 15h6M12 18h4' stroke='" BLUE "'/>"},
    {toolkit::cmd::EditPaste, "<path d='M4.5 4.5h13v17h-13z' fill='#c89b5a' stroke='" INK "'/>"
                              "<path d='M8 3h6v3H8z' fill='#ddd' stroke='" INK "'/>"
                              "<path d='M10.5 9.5h10v12h-10z' fill='" PAPER "' stroke='" INK "'/>"
                              "<path d='M13 13h5M13 16h5M13 19h3' stroke='" BLUE "'/>"},
    {toolkit::cmd::EditUndo,
     "<path d='M9 5L3 10l6 5v-3.2c4.5 0 7.5 1.5 10 6.2-.5-6-4-10-10-10.5z' fill='" BLUE
     "' stroke='" INK "' stroke-width='0.8' stroke-linejoin='round'/>"},
    {toolkit::cmd::EditClear,
     "<path d='M5 5l14 14M19 5L5 19' stroke='" RED "' stroke-width='3.2' stroke-linecap='round'/>"},
    {toolkit::cmd::EditFind,
     "<circle cx='10' cy='10' r='6.5' fill='#eaf3fc' stroke='" INK "' stroke-width='1.6'/>"
     "<path d='M15 15l6 6' stroke='" INK "' stroke-width='3' stroke-linecap='round'/>"},
    {toolkit::cmd::EditReplace,
     "<path d='M2.5 3.5h9v7h-9z' fill='" PAPER "' stroke='" INK "'/>"
     "<path d='M12.5 13.5h9v7h-9z' fill='#dbe8f5' stroke='" INK "'/>"
     "<path d='M15 4h3.5v5.5' fill='none' stroke='" GREEN "' stroke-width='1.6'/>"
     "<path d='M16 9l2.5 3 2.5-3z' fill='" GREEN "'/>"},
    {toolkit::cmd::AppAbout, "<circle cx='12' cy='12' r='9.5' fill='" BLUE "' stroke='" INK "'/>"
                             "<circle cx='12' cy='7' r='1.6' fill='" PAPER "'/>"
                             "<path d='M12 10.5v7.5' stroke='" PAPER "' stroke-width='2.6'/>"},
};

using toolkit::iconFromSvg;

} // namespace

QIcon applicationIcon()
{
    static const QIcon icon =
        iconFromSvg("<path d='M4.5 3.5h13v18h-13z' fill='#fffbe0' stroke='" INK "'/>"
                    "<path d='M7 8h8M7 11h8M7 14h8M7 17h5' stroke='" BLUE "' stroke-width='0.9'/>"
                    "<path d='M6 2v3M9 2v3M12 2v3M15 2v3' stroke='" GREY "' stroke-width='1.3'/>"
                    "<path d='M13 21l1-3.5 7-7 2.5 2.5-7 7z' fill='" SUN "' stroke='" INK "' "
                    "stroke-width='0.9' stroke-linejoin='round'/>"
                    "<path d='M13 21l1-3.5 2.5 2.5z' fill='" INK "'/>");
    return icon;
}

QIcon documentIcon()
{
    static const QIcon icon = iconFromSvg(SHEET LINES);
    return icon;
}

QIcon commandIcon(int commandId)
{
    static QHash<int, QIcon> cache;
    return toolkit::tableIcon(commandIcons, commandId, cache);
}

} // namespace jottericons
