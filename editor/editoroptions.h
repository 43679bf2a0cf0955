#pragma once

#include <QString>

namespace platform {
class Registry;
}

// The process-wide record of editor options read at start-up and written at
// exit (all 32-bit integers, booleans unless said otherwise).
struct EditorOptions
{
    int ForceInside = 1;
    int CheckPosAlways = 1;
    int MouseStep = 50; // read and saved, with no other use
    int ShowCornerID = 0;
    int ShowRotationCenter = 0;
    int ShowWallID = 0;
    int BringToFrontOnClick = 0;
    int IgnoreZOrderHoles = 1;
    int IgnoreZOrderImages = 1;
    int RestrictExports = 1;
    int ShowMDITabs = 1;
    int ShowMDIIcons = 1;
    int MDITabsLocation = 1;
    int Performance = 3; // drawing-quality preset 0 to 5
    int ReleaseHDC = 0;

    // Reads the fourteen options from "Settings" in their fixed order. The
    // first two come from "ForceInside2" and "CheckPosAlways2".
    void read(const platform::Registry &reg);
    // Writes the fourteen options back; the first two go to "ForceInside"
    // and "CheckPosAlways", names the next start does not read.
    void write(platform::Registry &reg) const;
};

// The values a new document reads while it sets itself up: its kind (0 normal
// plan, 1 placard, 2 Printnet page), whether the wizard made it, and the
// wizard's further choices.
struct NewDocumentRequest
{
    int docType = 0;
    int fromWizard = 0;
    float scale = 0.5f;
    QString summaryTitle;
    QString summarySubject;
};

// Three further "force inside the sheet" choices of the options dialog, for
// objects, images and graphic primitives: process-wide, 0 at every start,
// never stored.
struct ForceInsideFlags
{
    int objects = 0;
    int images = 0;
    int primitives = 0;
};

EditorOptions &editorOptions();
// Hands the options the drawing and the drawing objects obey to the model;
// called at start-up and whenever an option changes.
void applyEditorOptionsToModel();
ForceInsideFlags &forceInsideFlags();
NewDocumentRequest &newDocumentRequest();
