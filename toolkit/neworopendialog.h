#pragma once

#include "toolkit/toolkitglobal.h"

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QStringList>

class QFileDialog;
class QListWidget;
class QTabWidget;

namespace toolkit {

// The combined "new or open" dialog: a page of new-document kinds shown as
// large icons, a page to open an existing file and a page of recent files.
// After Accepted, choice() says which page the answer came from.
class TOOLKIT_EXPORT NewOrOpenDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Choice
    {
        None,
        New,   // newItemIndex() is the chosen kind
        Open,  // path() is the chosen file
        Recent // path() is the chosen recent file
    };
    enum class Page
    {
        New,
        Open,
        Recent
    };

    // `nameFilters` as for a file dialog: "Documenti di Domora (*.fpd)".
    NewOrOpenDialog(const QString &title, const QStringList &nameFilters,
                    QWidget *parent = nullptr);

    // Images of the new items, 32 x 32.
    void setImageList(const QList<QIcon> &images);
    // Adds a kind to the "new" page with an image of the list; returns its
    // index.
    int addNewItem(const QString &text, int imageIndex);
    // Files that no longer exist are left out.
    void setRecentFiles(const QStringList &paths);
    void setOpenFolder(const QString &folder);
    void setCurrentPage(Page page);

    // Runs the dialog modally through the program's modal-dialog layer
    // (platform::ui::execDialog), so that tests can answer it.
    int run();

    [[nodiscard]] Choice choice() const { return m_choice; }
    [[nodiscard]] int newItemIndex() const { return m_newIndex; }
    [[nodiscard]] QString path() const { return m_path; }

    [[nodiscard]] QListWidget *newItems() const { return m_newList; }
    [[nodiscard]] QListWidget *recentItems() const { return m_recentList; }
    [[nodiscard]] QFileDialog *fileBrowser() const { return m_files; }

    // Ends the dialog with the current item of the current page, as OK does.
    void acceptCurrent();

private:
    void updateOk();

    QTabWidget *m_tabs;
    QListWidget *m_newList;
    QFileDialog *m_files;
    QListWidget *m_recentList;
    QPushButton *m_ok;
    QList<QIcon> m_images;
    Choice m_choice = Choice::None;
    int m_newIndex = -1;
    QString m_path;
};

} // namespace toolkit
