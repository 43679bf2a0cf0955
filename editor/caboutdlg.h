#pragma once

#include <QDialog>

// The editor's About box: name and version, memory and free disk space, and
// the acknowledgements.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    // programFolder: the disk space shown is that of its file system.
    explicit CAboutDlg(const QString &programFolder, QWidget *parent = nullptr);

    [[nodiscard]] static QStringList acknowledgements();
    void showCredits();
};
