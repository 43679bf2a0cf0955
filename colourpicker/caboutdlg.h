#pragma once

#include <QDialog>

// The about box: icon, program name and version, two lines about it, OK.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
