#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Salva configurazione": the .reg file to write and whether only the
// customisations (menus, bars, window layout) are saved. "&Salva" is
// enabled while the destination is not empty.
class CSaveConfigDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CSaveConfigDialog(QWidget *parent = nullptr);

    [[nodiscard]] QString destination() const;
    [[nodiscard]] bool onlyCustomisations() const;

private:
    QLineEdit *m_destination;
    QCheckBox *m_onlyCustomisations;
    QPushButton *m_save;
};
