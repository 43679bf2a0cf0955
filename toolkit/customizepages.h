#pragma once

#include "usertoolsmanager.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QKeySequenceEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The pages of the customisation dialog. Internal to the toolkit.
namespace toolkit {

class EditListBox;
class MdiFrame;
class ToolBar;

// Commands by category, and the buttons of the toolbar chosen at the right.
class CustomizeCommandsPage : public QWidget
{
    Q_OBJECT

public:
    CustomizeCommandsPage(MdiFrame &frame, bool scanMenus, QWidget *parent);

    [[nodiscard]] ToolBar *currentToolBar() const;
    void selectToolBar(ToolBar *bar);
    void selectCommand(int id);
    void addCurrentCommand();
    void removeCurrentButton();
    void addSeparator();
    void moveCurrentButton(int delta);
    void chooseUserImage();
    void refreshToolBars();

private:
    void fillCommands();
    void fillButtons();
    void updateState();
    [[nodiscard]] int currentCommand() const;

    MdiFrame &m_frame;
    QListWidget *m_categories;
    QListWidget *m_commands;
    QComboBox *m_toolBars;
    QListWidget *m_buttons;
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_separator;
    QPushButton *m_up;
    QPushButton *m_down;
    QPushButton *m_image;
    QPushButton *m_reset;
    QLabel *m_description;
};

// The toolbars: visibility, user toolbars, reset.
class CustomizeToolBarsPage : public QWidget
{
    Q_OBJECT

public:
    CustomizeToolBarsPage(MdiFrame &frame, bool userToolBars, QWidget *parent);

    void newToolBar();
    void renameCurrent();
    void deleteCurrent();
    void resetCurrent();
    void resetAll();
    void refresh();
    [[nodiscard]] QListWidget *list() const { return m_list; }

signals:
    void toolBarsChanged();

private:
    [[nodiscard]] ToolBar *currentToolBar() const;
    void updateState();

    MdiFrame &m_frame;
    QListWidget *m_list;
    QPushButton *m_new = nullptr;
    QPushButton *m_rename = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_reset;
    QPushButton *m_resetAll;
};

// The user tools.
class CustomizeToolsPage : public QWidget
{
    Q_OBJECT

public:
    CustomizeToolsPage(UserToolsManager &tools, QWidget *parent);

    [[nodiscard]] EditListBox *list() const { return m_list; }
    [[nodiscard]] QLineEdit *command() const { return m_command; }
    [[nodiscard]] QLineEdit *arguments() const { return m_arguments; }
    [[nodiscard]] QLineEdit *initialFolder() const { return m_folder; }

private:
    void showCurrent();
    void storeCurrent();
    void writeBack();

    UserToolsManager &m_tools;
    QList<UserTool> m_edited;
    EditListBox *m_list;
    QLineEdit *m_command;
    QLineEdit *m_arguments;
    QLineEdit *m_folder;
    QPushButton *m_browseCommand;
    QPushButton *m_browseFolder;
    bool m_showing = false;
};

// Keys of the commands.
class CustomizeKeyboardPage : public QWidget
{
    Q_OBJECT

public:
    CustomizeKeyboardPage(MdiFrame &frame, QWidget *parent);

    void selectCommand(int id);
    [[nodiscard]] QKeySequenceEdit *newKey() const { return m_newKey; }
    void assign();
    void removeCurrentKey();
    void resetAll();
    [[nodiscard]] QListWidget *currentKeys() const { return m_keys; }

private:
    void fillCommands();
    void fillKeys();
    void updateState();
    [[nodiscard]] int currentCommand() const;

    MdiFrame &m_frame;
    QComboBox *m_categories;
    QListWidget *m_commands;
    QListWidget *m_keys;
    QKeySequenceEdit *m_newKey;
    QLabel *m_assignedTo;
    QLabel *m_description;
    QPushButton *m_assign;
    QPushButton *m_remove;
    QPushButton *m_resetAll;
};

// The looks: built in and from skins, with a preview.
class CustomizeLookPage : public QWidget
{
    Q_OBJECT

public:
    explicit CustomizeLookPage(QWidget *parent);

    [[nodiscard]] QListWidget *looks() const { return m_looks; }
    // Puts the look of that row in force.
    void applyRow(int row);

private:
    void showPreview(int row);

    QListWidget *m_looks;
    QLabel *m_preview;
    QLabel *m_details;
};

// Options of tool tips, labels and menus.
class CustomizeOptionsPage : public QWidget
{
    Q_OBJECT

public:
    CustomizeOptionsPage(MdiFrame &frame, QWidget *parent);

private:
    QCheckBox *m_toolTips;
    QCheckBox *m_shortcuts;
    QCheckBox *m_textLabels;
    QCheckBox *m_menuAnimation;
};

} // namespace toolkit
