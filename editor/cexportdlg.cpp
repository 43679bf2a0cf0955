#include "editor/cexportdlg.h"

#include "platform/messagebox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

CExportDlg::CExportDlg(const QString &documentTitle, QWidget *parent)
    : QDialog(parent), m_file(new QLineEdit(documentTitle, this)), m_percent(new QSpinBox(this)),
      m_size(new QLabel(this)), m_trim(new QCheckBox(QStringLiteral("&Adatta"), this)),
      m_ok(nullptr)
{
    setWindowTitle(QStringLiteral("Esporta immagine"));
    m_file->setObjectName(QStringLiteral("1132"));
    m_file->setMinimumWidth(260);
    auto *browseButton = new QPushButton(QStringLiteral("..."), this);
    browseButton->setMaximumWidth(32);
    m_percent->setObjectName(QStringLiteral("1091"));
    m_percent->setRange(1, 100);
    m_percent->setValue(100);
    m_size->setObjectName(QStringLiteral("1269"));
    m_trim->setObjectName(QStringLiteral("1289"));
    m_trim->setToolTip(QStringLiteral("Elimina le righe vuote in fondo all'immagine"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browseButton, &QPushButton::clicked, this, &CExportDlg::browse);
    connect(m_percent, &QSpinBox::valueChanged, this, &CExportDlg::refresh);
    connect(m_file, &QLineEdit::textChanged, this, &CExportDlg::refresh);

    auto *fileLabel = new QLabel(QStringLiteral("&Nome del file:"), this);
    fileLabel->setBuddy(m_file);
    auto *sizeLabel = new QLabel(QStringLiteral("&Dimensione:"), this);
    sizeLabel->setBuddy(m_percent);
    auto *grid = new QGridLayout;
    grid->addWidget(fileLabel, 0, 0);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browseButton);
    grid->addLayout(fileRow, 0, 1);
    grid->addWidget(sizeLabel, 1, 0);
    auto *percentRow = new QHBoxLayout;
    percentRow->addWidget(m_percent);
    percentRow->addWidget(new QLabel(QStringLiteral("% rispetto alla foto 15x10 cm"), this), 1);
    grid->addLayout(percentRow, 1, 1);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_size);
    sizeRow->addWidget(new QLabel(QStringLiteral("cm"), this), 1);
    grid->addLayout(sizeRow, 2, 1);
    grid->addWidget(m_trim, 3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    refresh();
}

QString CExportDlg::filter()
{
    return QStringLiteral("Immagine GIF (*.gif);;Immagine JPEG (*.jpg)");
}

QString CExportDlg::sizeTextFor(int percent)
{
    return QString::asprintf("Larghezza: %5.2f e altezza: %5.2f", percent * 0.01 * 15,
                             percent * 0.01 * 10);
}

QString CExportDlg::fileName() const
{
    return m_file->text();
}

void CExportDlg::setFileName(const QString &name)
{
    m_file->setText(name);
}

int CExportDlg::percentage() const
{
    return m_percent->value();
}

void CExportDlg::setPercentage(int percent)
{
    m_percent->setValue(percent);
}

bool CExportDlg::trim() const
{
    return m_trim->isChecked();
}

QString CExportDlg::sizeText() const
{
    return m_size->text();
}

void CExportDlg::refresh()
{
    if (m_percent->value() != 0)
        m_size->setText(sizeTextFor(m_percent->value()));
    m_ok->setEnabled(!m_file->text().trimmed().isEmpty());
}

void CExportDlg::browse()
{
    QFileDialog dialog(this, QStringLiteral("Esporta immagine"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filter().split(QStringLiteral(";;")));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(QStringLiteral("gif"));
    dialog.selectFile(QStringLiteral("*.gif"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &f) {
        dialog.setDefaultSuffix(f.contains(QLatin1String("jpg")) ? QStringLiteral("jpg")
                                                                 : QStringLiteral("gif"));
    });
    if (platform::ui::execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_file->setText(dialog.selectedFiles().first());
}
