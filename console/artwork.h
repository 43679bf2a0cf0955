#pragma once

#include <QIcon>
#include <QPixmap>

// The console's pictures, drawn rather than shipped: the four image buttons
// of the main window, its background, the program icon, the bug-report
// wizard's pictures and the style editor's six editing buttons.
namespace artwork {

enum class Picture
{
    ReportButton,    // 129
    CheckButton,     // 134
    ManageButton,    // 135
    EditorsButton,   // 136
    WizardWelcome,   // 157
    WizardWatermark, // 158
    WizardHeader     // 160
};

enum class EditIcon
{
    Cut,    // 162
    Copy,   // 163
    Paste,  // 164
    Delete, // 165
    Revert, // 166
    Find    // 167
};

[[nodiscard]] QPixmap picture(Picture which);
// The main window's background (131) for a window of that size.
[[nodiscard]] QPixmap background(QSize size);
[[nodiscard]] QIcon programIcon();
[[nodiscard]] QIcon editIcon(EditIcon which);

} // namespace artwork
