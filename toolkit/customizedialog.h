#pragma once

#include "toolkit/toolkitglobal.h"

#include <QDialog>

class QTabWidget;

namespace toolkit {

class MdiFrame;

// The customisation dialog of a frame. Changes take effect at once and are
// kept by the workspace when the frame closes. Its pages:
//  - Commands: commands by category; add them to a toolbar (or drag them onto
//    one), remove, move, separate, give a user image, reset the toolbar;
//  - Toolbars: show or hide each toolbar; new, rename, delete user toolbars;
//    reset one or all;
//  - Tools: the user-tool list (when user tools are on);
//  - Keyboard: assign and remove keys, reset all (when the keyboard manager
//    is on);
//  - Look: the built-in looks and the skins of the skin manager;
//  - Options: tool tips, keys in tool tips, text labels, menu animation.
class TOOLKIT_EXPORT CustomizeDialog : public QDialog
{
    Q_OBJECT

public:
    enum Flag
    {
        ScanMenus = 0x1,    // categories are the menus of the menu bar
        UserToolBars = 0x2, // new, rename and delete user toolbars
        LookPage = 0x4,
        OptionsPage = 0x8,
        AllFlags = ScanMenus | UserToolBars | LookPage | OptionsPage
    };

    explicit CustomizeDialog(MdiFrame &frame, int flags = AllFlags);

    // Runs the dialog modally through the program's modal-dialog layer
    // (platform::ui::execDialog), so that tests can answer it.
    int run();

    [[nodiscard]] QTabWidget *pages() const { return m_pages; }
    // The page with that object name: "commands", "toolbars", "tools",
    // "keyboard", "look", "options".
    [[nodiscard]] QWidget *page(const QString &name) const;

private:
    QTabWidget *m_pages;
};

} // namespace toolkit
