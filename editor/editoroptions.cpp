#include "editoroptions.h"

#include "model/modelhooks.h"
#include "model/renderoptions.h"
#include "platform/registry.h"

namespace {

const QString settings = QStringLiteral("Settings");

struct Field
{
    const char *readName;
    const char *writeName;
    int EditorOptions::*member;
    int defaultValue;
};

// The fixed order of the options in the settings store.
constexpr Field fields[] = {
    {"ForceInside2", "ForceInside", &EditorOptions::ForceInside, 1},
    {"CheckPosAlways2", "CheckPosAlways", &EditorOptions::CheckPosAlways, 1},
    {"MouseStep", "MouseStep", &EditorOptions::MouseStep, 50},
    {"ShowCornerID", "ShowCornerID", &EditorOptions::ShowCornerID, 0},
    {"ShowRotationCenter", "ShowRotationCenter", &EditorOptions::ShowRotationCenter, 0},
    {"ShowWallID", "ShowWallID", &EditorOptions::ShowWallID, 0},
    {"BringToFrontOnClick", "BringToFrontOnClick", &EditorOptions::BringToFrontOnClick, 0},
    {"IgnoreZOrderHoles", "IgnoreZOrderHoles", &EditorOptions::IgnoreZOrderHoles, 1},
    {"IgnoreZOrderImages", "IgnoreZOrderImages", &EditorOptions::IgnoreZOrderImages, 1},
    {"RestrictExports", "RestrictExports", &EditorOptions::RestrictExports, 1},
    {"ShowMDITabs", "ShowMDITabs", &EditorOptions::ShowMDITabs, 1},
    {"ShowMDIIcons", "ShowMDIIcons", &EditorOptions::ShowMDIIcons, 1},
    {"MDITabsLocation", "MDITabsLocation", &EditorOptions::MDITabsLocation, 1},
    {"Performance", "Performance", &EditorOptions::Performance, 3},
};

} // namespace

void EditorOptions::read(const platform::Registry &reg)
{
    for (const Field &f : fields)
        this->*f.member = reg.readInt(settings, QLatin1String(f.readName), f.defaultValue);
}

void EditorOptions::write(platform::Registry &reg) const
{
    for (const Field &f : fields)
        reg.writeInt(settings, QLatin1String(f.writeName), this->*f.member);
}

void applyEditorOptionsToModel()
{
    const EditorOptions &o = editorOptions();
    model::ModelOptions &placement = model::modelOptions();
    placement.forceInside = o.ForceInside != 0;
    placement.checkPosAlways = o.CheckPosAlways != 0;
    placement.ignoreZOrderHoles = o.IgnoreZOrderHoles != 0;
    placement.ignoreZOrderImages = o.IgnoreZOrderImages != 0;
    model::RenderOptions &drawing = model::renderOptions();
    drawing.showCornerID = o.ShowCornerID != 0;
    drawing.showWallID = o.ShowWallID != 0;
    drawing.showRotationCenter = o.ShowRotationCenter != 0;
    drawing.performance = o.Performance;
}

EditorOptions &editorOptions()
{
    static EditorOptions options;
    return options;
}

NewDocumentRequest &newDocumentRequest()
{
    static NewDocumentRequest request;
    return request;
}

ForceInsideFlags &forceInsideFlags()
{
    static ForceInsideFlags flags;
    return flags;
}
