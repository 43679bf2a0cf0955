#pragma once

#include <QDialog>
#include <QPixmap>

namespace toolkit {
class MenuButton;
}

// The console's main window: four image buttons, each dropping down a menu
// of commands, with the text that explains them, and "&Esci". The about box
// is in the window's context menu and behind the small "?" button.
class CStewardDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CStewardDialog(QWidget *parent = nullptr);

    // An image button (1000 Report, 1001 Check, 1002 Manage, 1003 Editors).
    [[nodiscard]] toolkit::MenuButton *button(int buttonId) const;
    void showAbout();

signals:
    // A command was chosen; it runs once the menu has closed.
    void commandChosen(int id);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QList<toolkit::MenuButton *> m_buttons;
    QPixmap m_background; // drawn again only when the size changes
};
