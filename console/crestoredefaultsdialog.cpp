#include "crestoredefaultsdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

CRestoreDefaultsDialog::CRestoreDefaultsDialog(QWidget *parent)
    : QDialog(parent),
      m_interface(new QCheckBox(tr("&Contenuto dei menu e posizione delle finestre"), this)),
      m_settings(new QCheckBox(tr("&Preferenze dell'applicazione"), this)),
      m_recent(new QCheckBox(tr("&Lista dei documenti utilizzati di recente"), this))
{
    setWindowTitle(tr("Ripristino della configurazione predefinita"));
    setObjectName(QStringLiteral("152"));
    auto *group = new QGroupBox(tr("Personalizzazioni da eliminare"), this);
    auto *groupLayout = new QVBoxLayout(group);
    for (QCheckBox *box : {m_interface, m_settings, m_recent})
        groupLayout->addWidget(box);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("1"));
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    QPushButton *cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QCheckBox *box : {m_interface, m_settings, m_recent})
        connect(box, &QCheckBox::toggled, this, [this] { m_ok->setEnabled(choice().any()); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

console::configuration::ResetChoice CRestoreDefaultsDialog::choice() const
{
    return {m_interface->isChecked(), m_settings->isChecked(), m_recent->isChecked()};
}
