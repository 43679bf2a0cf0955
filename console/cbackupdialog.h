#pragma once

#include "backupplan.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Crea copia di riserva": where the backup goes, where the program lies,
// whether existing files are replaced and which groups of files to copy.
class CBackupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CBackupDialog(const QString &programFolder, QWidget *parent = nullptr);

    [[nodiscard]] QString destinationFolder() const;
    [[nodiscard]] QString programFolder() const;
    [[nodiscard]] bool overwrite() const;
    // The ticked groups, in the order shared, libs, resources, styles.
    [[nodiscard]] QList<console::FileGroup> groups() const;

private:
    QLineEdit *m_destination;
    QLineEdit *m_program;
    QCheckBox *m_overwrite;
    QCheckBox *m_shared;
    QCheckBox *m_libs;
    QCheckBox *m_resources;
    QCheckBox *m_styles;
};
