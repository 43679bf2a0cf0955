#pragma once

#include <QImage>
#include <QString>

class CDomoraDoc;

namespace model {

// Exporting a plan as a picture the size of a fraction of a 15 x 10 cm
// photograph.

// The sheet stretched into the export size (trunc(percent x 5.67) by
// trunc(percent x 3.78) pixels, the sheet's proportions not kept), at the
// highest quality preset, on the paper colour, without selection marks; the
// picture carries `dpi` as its resolution.
[[nodiscard]] QImage renderExportImage(CDomoraDoc &doc, int percent, int dpi);

struct ExportResult
{
    bool ok = false;
    QString error; // why the file was not written
    QSize size;    // of the picture written
};

// Renders the plan and writes it to `path`: JPEG when the lower-cased
// extension contains "jpg", else GIF with an 8-bit palette; `trim` applies
// the "Adatta" rule. The screen's quality preset becomes the export preset,
// as exports have always left it. A failed save is reported.
ExportResult exportDocument(CDomoraDoc &doc, const QString &path, int percent, bool trim, int dpi);

} // namespace model
