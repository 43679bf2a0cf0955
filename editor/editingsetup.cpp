#include "editor/editingsetup.h"

#include "editor/cdomoraview.h"
#include "editor/cviewediting.h"
#include "editor/editingsheets.h"

namespace editingsetup {

void install()
{
    CDomoraView::setEditingHookFactory([](CDomoraView &view, ViewReadouts *readouts) {
        return std::make_unique<CViewEditing>(view, readouts);
    });
    editingsheets::install(
        [](model::DocumentView *view) { return dynamic_cast<CDomoraView *>(view); });
}

} // namespace editingsetup
