#pragma once

#include <QString>

#include <functional>

class CDrawObj;

namespace model {

class DocumentView;

// The editor options the model obeys; the editor copies its options here at
// start-up and whenever they change.
struct ModelOptions
{
    // "ForceInside2" and "CheckPosAlways2": with both on, a room or one of
    // its vertices may not be moved off the sheet.
    bool forceInside = true;
    bool checkPosAlways = true;
    // Doors and windows are drawn above all objects, pictures on top.
    bool ignoreZOrderHoles = true;
    bool ignoreZOrderImages = true;

    [[nodiscard]] bool placementEnforced() const { return forceInside && checkPosAlways; }
};
ModelOptions &modelOptions();

// Shows a message to the user. The model knows no widgets: the editor
// installs a sink that opens a message box; without one the text goes to the
// warning log.
using MessageSink = std::function<void(const QString &text)>;
void setMessageSink(MessageSink sink);
void showMessage(const QString &text);

// Opens the property sheet of an object (room, wall, primitive or text
// sheet). The editor installs it; without one nothing opens.
using PropertyEditor = std::function<void(CDrawObj &object, DocumentView *view)>;
void setPropertyEditor(PropertyEditor editor);
void editProperties(CDrawObj &object, DocumentView *view);

} // namespace model
