#include "crestoredialog.h"

#include "filedialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CRestoreDialog::CRestoreDialog(QWidget *parent) : QDialog(parent), m_folder(new QLineEdit(this))
{
    setWindowTitle(tr("Ripristina copia di riserva"));
    setObjectName(QStringLiteral("148"));
    m_folder->setObjectName(QStringLiteral("1026"));
    auto *label = new QLabel(tr("&Cartella contenente la copia di riserva:"), this);
    label->setBuddy(m_folder);
    auto *browse = new QPushButton(tr("..."), this);
    browse->setObjectName(QStringLiteral("1012"));
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString folder = filedialogs::chooseFolder(
            this, tr("Seleziona la cartella da cui ripristinare la copia:"), m_folder->text());
        if (!folder.isEmpty())
            m_folder->setText(folder);
    });

    auto *buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(tr("&Ripristina"), QDialogButtonBox::AcceptRole);
    m_restore->setObjectName(QStringLiteral("1"));
    m_restore->setDefault(true);
    m_restore->setEnabled(false);
    QPushButton *close = buttons->addButton(tr("C&hiudi"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_folder, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_restore->setEnabled(!text.isEmpty()); });

    auto *row = new QGridLayout;
    row->addWidget(label, 0, 0, 1, 2);
    row->addWidget(m_folder, 1, 0);
    row->addWidget(browse, 1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

QString CRestoreDialog::folder() const
{
    return m_folder->text();
}
