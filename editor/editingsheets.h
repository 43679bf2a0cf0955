#pragma once

#include <functional>

class CDrawObj;
class QWidget;

namespace model {
class DocumentView;
}

// The property sheets of the drawing objects: the room sheet, the sheet of
// free-standing walls, of rectangle primitives and of texts.
namespace editingsheets {

// Opens the object's sheet over the window; true when the user confirmed it
// (the object then changed in one undo step). Objects without a sheet
// (pictures, data items) and objects outside a document open nothing.
bool editProperties(CDrawObj &object, QWidget *parent);

// Makes these sheets the ones the objects open (double-click, "Proprietà");
// `windowOf` gives the window a view shows its sheets over.
void install(std::function<QWidget *(model::DocumentView *)> windowOf);

} // namespace editingsheets
