#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Ripristina copia di riserva": the folder that holds the backup.
// "&Ripristina" is enabled exactly while the folder field is not empty.
class CRestoreDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CRestoreDialog(QWidget *parent = nullptr);
    [[nodiscard]] QString folder() const;

private:
    QLineEdit *m_folder;
    QPushButton *m_restore;
};
