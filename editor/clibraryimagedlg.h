#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace editing {
struct LibraryFolder;
}

// Picks one picture out of a folder tree of the picture library beside the
// program. The tree shows the library's folders; a folder without subfolders
// lists its pictures as one row of 100 x 75 thumbnails. Clicking a picture
// shows its details and allows OK; double-clicking it ends the dialog at
// once. "I&mporta..." picks any picture file instead.
class CLibraryImageDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int thumbnailWidth = 100;
    static constexpr int thumbnailHeight = 75;

    explicit CLibraryImageDlg(QWidget *parent = nullptr);

    // Set before the dialog is shown. An empty caption keeps "Seleziona
    // immagine". The folder is relative to the program folder
    // ("Library/Simboli").
    void setCaption(const QString &caption);
    void setLibraryFolder(const QString &relativeFolder);
    void setAllowSizeChoice(bool allow);
    void setFoldableDetails(bool foldable);

    // The results.
    [[nodiscard]] QString selectedPath() const { return m_selectedPath; }
    [[nodiscard]] bool keepSourceSize() const { return m_keepSourceSize; }

    // What the dialog shows, for its owner and for tests.
    [[nodiscard]] QString libraryFolder() const { return m_libraryFolder; }
    [[nodiscard]] QString currentFolder() const { return m_currentFolder; }
    [[nodiscard]] QStringList fileNames() const { return m_fileNames; }
    [[nodiscard]] bool detailsShown() const { return m_detailsShown; }
    [[nodiscard]] QString pathText() const;
    [[nodiscard]] QString nameText() const;
    [[nodiscard]] bool okEnabled() const;
    [[nodiscard]] QTreeWidget *tree();
    [[nodiscard]] QListWidget *list();
    // Builds the tree from the library folder; done once, before the dialog
    // shows or answers anything.
    void ensureInitialised();

    // The actions of the dialog's controls.
    void selectFolder(QTreeWidgetItem *item);
    void clickPicture(int index);
    void toggleDetails();
    void importPicture();
    void openPicture();
    void printPicture();
    void exploreFolder();
    void findPictures();

    int exec() override;
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillTree(const editing::LibraryFolder &folder, QTreeWidgetItem *parent);
    void buildThumbnails();
    void clearDetails();
    void setDetailsShown(bool shown);
    QTreeWidgetItem *itemForFolder(const QString &folder) const;

    QString m_caption; // empty: "Seleziona immagine"
    QString m_relativeFolder;
    QString m_libraryFolder;
    QString m_currentFolder;
    QString m_selectedPath;
    QStringList m_fileNames;
    bool m_allowSizeChoice = false;
    bool m_foldable = false;
    bool m_keepSourceSize = true;
    bool m_detailsShown = true;
    bool m_initialised = false;

    QTreeWidget *m_tree;
    QListWidget *m_list;
    QToolButton *m_open;
    QToolButton *m_print;
    QToolButton *m_explore;
    QToolButton *m_find;
    QToolButton *m_import;
    QRadioButton *m_manualSize;
    QRadioButton *m_sourceSize;
    QPushButton *m_detailsButton;
    QPushButton *m_ok;
    QWidget *m_details;
    QLineEdit *m_path;
    QLineEdit *m_name;
    QLineEdit *m_width;
    QLineEdit *m_height;
    QLineEdit *m_resolution;
};
