#pragma once

#include "model/renderoptions.h"

#include <QImage>

class CDomoraDoc;
class QPainter;

namespace graphics {
class Context;
}

namespace model {

class DocumentView;

// The document's drawing entry: applies the quality preset (0-5; any other
// number changes nothing) and draws every object in the drawing order, with
// the selection marks of the view when one is given, it is active and this
// is not printing.
void drawDocument(graphics::Context &context, CDomoraDoc &doc, DocumentView *view, bool printing,
                  int preset);

// Paints the whole sheet into a painter whose transform maps sheet
// millimetres to the device: the paper in its colour, then the plan. Paper
// and exported pictures never get selection marks.
void renderSheet(QPainter &painter, CDomoraDoc &doc, int preset, DrawPurpose purpose);

// A picture of the whole sheet at the given resolution (pixels per inch),
// for looking at plans. Null when the sheet is empty or the picture would be
// unreasonably large (more than 100 million pixels, 400 MB).
[[nodiscard]] QImage renderSheetImage(CDomoraDoc &doc, double dpi, int preset = 5);

} // namespace model
