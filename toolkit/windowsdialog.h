#pragma once

#include "toolkit/toolkitglobal.h"

#include <QDialog>

class QListWidget;
class QMdiSubWindow;
class QPushButton;

namespace toolkit {

class MdiFrame;

// The list of the frame's document windows: activate one, save or close the
// chosen ones, minimise them, or arrange them when the tabs are off. Saving
// gives each chosen window the frame's cmd::FileSave command in turn.
class TOOLKIT_EXPORT WindowsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WindowsDialog(MdiFrame &frame);

    // Runs the dialog modally through the program's modal-dialog layer
    // (platform::ui::execDialog), so that tests can answer it.
    int run();

    [[nodiscard]] QListWidget *windowList() const { return m_list; }
    [[nodiscard]] QList<QMdiSubWindow *> selectedWindows() const;

    void activateSelected();
    void saveSelected();
    void closeSelected();
    void minimizeSelected();

private:
    void fillList();
    void updateButtons();

    MdiFrame &m_frame;
    QListWidget *m_list;
    QPushButton *m_activate;
    QPushButton *m_save;
    QPushButton *m_closeWindows;
    QPushButton *m_minimize;
    QPushButton *m_cascade;
    QPushButton *m_tileHorz;
    QPushButton *m_tileVert;
};

} // namespace toolkit
