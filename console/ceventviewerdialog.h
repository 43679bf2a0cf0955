#pragma once

#include <QDialog>

namespace toolkit {
class EditListBox;
}

// "Visualizzatore degli eventi": every line of the event log is one item of
// an editable list. Closing the window with its close box writes the list
// back to the log; leaving with Escape keeps the log as it was.
class CEventViewerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CEventViewerDialog(const QString &logPath, QWidget *parent = nullptr);
    [[nodiscard]] toolkit::EditListBox *list() const { return m_list; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString m_logPath;
    toolkit::EditListBox *m_list;
};
