#pragma once

#include <QTreeWidget>

namespace platform {
class FtpConnection;
}

// The tree of folders and files of an FTP server. Folders are read from the
// server when they are opened, and again when they are closed; items stay in
// the order the server lists them.
class CFtpTreeCtrl : public QTreeWidget
{
    Q_OBJECT
public:
    explicit CFtpTreeCtrl(QWidget *parent = nullptr);

    // Resets the tree for a connection (nullptr: not connected) and opens the
    // folders along path; a file at its end is selected and drawn bold.
    void ShowConnection(platform::FtpConnection *connection, const QString &path);
    // Replaces the children of item by the listing of the folder path.
    void FillFolder(const QString &path, QTreeWidgetItem *item);

    // The image (0 cross, 1 folder, 2 file) an item shows.
    [[nodiscard]] static int imageOf(const QTreeWidgetItem *item);
    // The path of an item: "/" for the root, "/a/b" below it.
    [[nodiscard]] static QString pathOf(const QTreeWidgetItem *item);

private:
    void OnItemExpanding(QTreeWidgetItem *item);
    QTreeWidgetItem *appendChild(QTreeWidgetItem *parent, const QString &text, int image);

    platform::FtpConnection *m_pConnection = nullptr; // borrowed from the dialog
    bool m_filling = false;
};
