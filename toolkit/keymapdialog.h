#pragma once

#include "toolkit/toolkitglobal.h"

#include <QDialog>

class QComboBox;
class QPrinter;
class QTableWidget;

namespace toolkit {

class MdiFrame;

// Every command of a frame with its keys and description, by category (the
// menus of the menu bar); the list can be copied as text and printed.
class TOOLKIT_EXPORT KeyMapDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KeyMapDialog(MdiFrame &frame);

    // Runs the dialog modally through the program's modal-dialog layer
    // (platform::ui::execDialog), so that tests can answer it.
    int run();

    // One line per listed command: name, keys and description separated by
    // tabs, under a heading line.
    [[nodiscard]] QString keyMapText() const;
    void copyToClipboard() const;
    // Prints the list as shown; returns false when nothing was printed.
    bool print(QPrinter &printer) const;
    // Asks for a printer, then prints.
    void printWithDialog();

    [[nodiscard]] QComboBox *categories() const { return m_categories; }
    [[nodiscard]] QTableWidget *table() const { return m_table; }

private:
    void fillTable();

    MdiFrame &m_frame;
    QComboBox *m_categories;
    QTableWidget *m_table;
};

} // namespace toolkit
