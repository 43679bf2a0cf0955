#pragma once

#include <QDialog>

// "Informazioni sulla Management Console".
class CAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget *parent = nullptr);
};
