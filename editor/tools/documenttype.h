#pragma once

class CDomoraDoc;

namespace editing {

// The choices of "Modifica il tipo di documento".
struct DocumentTypeChoice
{
    bool placard = false;   // "Documento specifico per &cartello", else normal
    bool fitSize = true;    // "Adatta le &dimensioni": a 297 x 210 mm sheet
    bool fitBorders = true; // "Adatta i &bordi": the placard margins of "Layout"

    friend bool operator==(const DocumentTypeChoice &, const DocumentTypeChoice &) = default;
};

// Records an undo step and makes the document normal or a placard; for a
// placard the two options fit the sheet and the margins.
void applyDocumentType(CDomoraDoc &doc, const DocumentTypeChoice &choice);

} // namespace editing
