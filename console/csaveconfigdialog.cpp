#include "csaveconfigdialog.h"

#include "filedialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSaveConfigDialog::CSaveConfigDialog(QWidget *parent)
    : QDialog(parent), m_destination(new QLineEdit(this)),
      m_onlyCustomisations(new QCheckBox(tr("S&alva soltanto le personalizzazioni"), this))
{
    setWindowTitle(tr("Salva configurazione"));
    setObjectName(QStringLiteral("150"));
    m_destination->setObjectName(QStringLiteral("1028"));
    auto *label = new QLabel(tr("&Destinazione:"), this);
    label->setBuddy(m_destination);
    auto *browse = new QPushButton(tr("..."), this);
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString file = filedialogs::chooseSaveFile(
            this, {tr("Salva con nome"), QStringLiteral("reg"),
                   tr("File di registro (*.reg);;Tutti i file (*)"), m_destination->text()});
        if (!file.isEmpty())
            m_destination->setText(file);
    });
    // The registry's own older format has no counterpart in the settings
    // store, so the choice is shown but not offered.
    auto *compatible = new QCheckBox(tr("Salva in formato &compatibile"), this);
    compatible->setEnabled(false);

    auto *buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(tr("&Salva"), QDialogButtonBox::AcceptRole);
    m_save->setObjectName(QStringLiteral("1"));
    m_save->setDefault(true);
    m_save->setEnabled(false);
    QPushButton *cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_destination, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_save->setEnabled(!text.isEmpty()); });

    auto *row = new QGridLayout;
    row->addWidget(label, 0, 0);
    row->addWidget(m_destination, 0, 1);
    row->addWidget(browse, 0, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_onlyCustomisations);
    layout->addWidget(compatible);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

QString CSaveConfigDialog::destination() const
{
    return m_destination->text();
}

bool CSaveConfigDialog::onlyCustomisations() const
{
    return m_onlyCustomisations->isChecked();
}
