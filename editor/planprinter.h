#pragma once

#include <QRect>

class CDomoraDoc;
class QPainter;
class QPrinter;

struct GridGuideSettings;

// Printing a plan: the whole sheet on one page, its proportions kept and
// the page filled along one side. The page is laid out in hundredths of an
// inch, the units a printer's drawing context uses (3.6 printer pixels at
// 360 dots per inch), so the sheet fills the page at any resolution.
namespace planprinter {

// The sheet's place on the page, in the printer's pixels.
[[nodiscard]] QRect sheetRectOnPage(const CDomoraDoc &doc, const QPrinter &printer);

// Draws the sheet onto the printer's page; `grid` (when given) is drawn too.
// Returns false when the printer cannot be painted on.
bool printDocument(CDomoraDoc &doc, QPrinter &printer, const GridGuideSettings *grid = nullptr);

// The grid and margin guides on a painter that maps sheet millimetres;
// `visibleMm` limits the work to what can show.
void drawGridAndGuides(QPainter &painter, const CDomoraDoc &doc, const GridGuideSettings &grid,
                       const QRectF &visibleMm, double pixelsPerMm, bool withGrid, bool withGuides);

} // namespace planprinter
