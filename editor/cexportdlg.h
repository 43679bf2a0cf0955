#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Esporta immagine": where to write the picture, how large (a percentage of
// a 15 × 10 cm photograph) and whether to trim the empty rows at the bottom.
class CExportDlg : public QDialog
{
    Q_OBJECT
public:
    // The file name starts as the document's title; the percentage as 100
    // (the export command sets 75 before showing the dialog).
    explicit CExportDlg(const QString &documentTitle, QWidget *parent = nullptr);

    [[nodiscard]] QString fileName() const;
    void setFileName(const QString &name);
    [[nodiscard]] int percentage() const;
    void setPercentage(int percent);
    [[nodiscard]] bool trim() const;
    [[nodiscard]] QString sizeText() const;

    // The filter of the save dialog behind "...".
    static QString filter();
    // The size read-out for a percentage: "Larghezza: %5.2f e altezza: %5.2f".
    static QString sizeTextFor(int percent);

private:
    void browse();
    void refresh();

    QLineEdit *m_file;
    QSpinBox *m_percent;
    QLabel *m_size;
    QCheckBox *m_trim;
    QPushButton *m_ok;
};
