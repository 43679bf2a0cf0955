#pragma once

#include "notepad/cjotterview.h"

#include "toolkit/mdiframe.h"

#include <QPointer>

class CChildFrame;
class CJotterApp;
class CJotterDoc;
class FindReplaceDialog;

namespace toolkit {
class PopupMenu;
}

// The main window: the documents as tabs, the menu bar (a short menu while
// no document is open), the standard toolbar, up to ten user toolbars and the
// status bar.
class CMainFrame : public toolkit::MdiFrame
{
    Q_OBJECT

public:
    explicit CMainFrame(CJotterApp &app, QWidget *parent = nullptr);
    ~CMainFrame() override;

    // Creates the bars and menus; false when a bar could not be created.
    bool create();

    // A new document window showing the document.
    CChildFrame *addView(CJotterDoc &doc);
    [[nodiscard]] QList<CChildFrame *> childFrames() const;
    [[nodiscard]] CJotterView *activeView() const;
    // Whether the menu bar holds the menu for open documents.
    [[nodiscard]] bool hasDocumentMenu() const { return m_documentMenu; }

    // The find or replace dialog, started with `text` when it is not empty.
    void showFindReplace(bool replace, const QString &text);
    [[nodiscard]] FindReplaceDialog *findReplaceDialog() const;
    [[nodiscard]] FindOptions findOptions() const;
    // Looks for the last text searched again (F3).
    void findAgain();

    // The toolbar menu (menu 131) filled for the frame's user toolbars.
    void fillToolBarMenu(toolkit::PopupMenu *menu);
    // The context menu of the bars: the toolbar menu.
    QMenu *createPopupMenu() override;

    bool handleCommand(int id) override;
    bool updateCommand(int id, toolkit::CommandUpdate &update) override;

protected:
    bool queryClose() override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool createBars();
    void buildMenus(bool documentMenu);
    void refreshMenus();
    void fillRecentFiles();
    void refreshTitle();
    [[nodiscard]] toolkit::ToolBar *userToolBarAt(int index) const;

    CJotterApp &m_app;
    bool m_documentMenu = false;
    bool m_menusBuilt = false;
    QPointer<FindReplaceDialog> m_findDialog;
};
