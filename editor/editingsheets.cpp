#include "editor/editingsheets.h"

#include "editor/crectsheet.h"
#include "editor/croomsheet.h"
#include "editor/ctextsheet.h"
#include "editor/cwallsheet.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/modelhooks.h"
#include "platform/messagebox.h"

#include <memory>

namespace editingsheets {

namespace {

std::unique_ptr<QDialog> sheetFor(CDrawObj &object, QWidget *parent)
{
    CDomoraDoc *doc = object.document();
    if (!doc)
        return nullptr;
    if (auto *room = dynamic_cast<CDrawPoly *>(&object))
        return std::make_unique<CRoomSheet>(*doc, *room, parent);
    if (auto *wall = dynamic_cast<CDrawOpenPath *>(&object))
        return std::make_unique<CWallSheet>(*doc, *wall, parent);
    if (auto *rect = dynamic_cast<CDrawRect *>(&object))
        return std::make_unique<CRectSheet>(*doc, *rect, parent);
    if (auto *text = dynamic_cast<CDrawText *>(&object))
        return std::make_unique<CTextSheet>(*doc, *text, parent);
    return nullptr;
}

} // namespace

bool editProperties(CDrawObj &object, QWidget *parent)
{
    const std::unique_ptr<QDialog> sheet = sheetFor(object, parent);
    return sheet && platform::ui::execDialog(*sheet) == QDialog::Accepted;
}

void install(std::function<QWidget *(model::DocumentView *)> windowOf)
{
    model::setPropertyEditor(
        [windowOf = std::move(windowOf)](CDrawObj &object, model::DocumentView *view) {
            editProperties(object, windowOf ? windowOf(view) : nullptr);
        });
}

} // namespace editingsheets
