#pragma once

#include "configurationstore.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

// "Ripristino della configurazione predefinita": which customisations to
// delete. OK is enabled only while at least one box is checked.
class CRestoreDefaultsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CRestoreDefaultsDialog(QWidget *parent = nullptr);
    [[nodiscard]] console::configuration::ResetChoice choice() const;

private:
    QCheckBox *m_interface;
    QCheckBox *m_settings;
    QCheckBox *m_recent;
    QPushButton *m_ok;
};
