#pragma once

#include <QDialog>

// The FTP browser's about box.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
