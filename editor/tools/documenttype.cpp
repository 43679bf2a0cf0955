#include "editor/tools/documenttype.h"

#include "model/cdomoradoc.h"
#include "platform/registry.h"

namespace editing {

void applyDocumentType(CDomoraDoc &doc, const DocumentTypeChoice &choice)
{
    doc.CheckPoint();
    doc.setDocType(choice.placard ? CDomoraDoc::placard : CDomoraDoc::normal);
    if (choice.placard && choice.fitBorders) {
        const platform::Registry reg(QStringLiteral("Domora"));
        const QString layout = QStringLiteral("Layout");
        doc.setBorders(reg.readInt(layout, QStringLiteral("PlacardLeftBorder"), 145),
                       reg.readInt(layout, QStringLiteral("PlacardTopBorder"), 10),
                       reg.readInt(layout, QStringLiteral("PlacardRightBorder"), 20),
                       reg.readInt(layout, QStringLiteral("PlacardBottomBorder"), 110));
    }
    if (choice.placard && choice.fitSize)
        doc.SetPaperSize({297, 210});
    doc.SetModifiedFlag();
    doc.UpdateAllViews(nullptr);
}

} // namespace editing
