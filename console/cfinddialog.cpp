#include "cfinddialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFindDialog::CFindDialog(const QString &initialText, QWidget *parent)
    : QDialog(parent), m_text(new QLineEdit(initialText, this)),
      m_matchCase(new QCheckBox(tr("&Maiuscolo/minuscolo"), this)),
      m_wholeWords(new QCheckBox(tr("&Solo parole intere"), this)),
      m_fromStart(new QCheckBox(tr("Cerca dall'&inizio del documento"), this))
{
    setWindowTitle(tr("Cerca"));
    setObjectName(QStringLiteral("168"));
    auto *label = new QLabel(tr("C&erca:"), this);
    label->setBuddy(m_text);
    m_text->selectAll();

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *find = buttons->addButton(tr("&Cerca"), QDialogButtonBox::AcceptRole);
    find->setObjectName(QStringLiteral("1"));
    find->setDefault(true);
    find->setEnabled(!initialText.isEmpty());
    QPushButton *cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_text, &QLineEdit::textChanged, find,
            [find](const QString &t) { find->setEnabled(!t.isEmpty()); });

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_matchCase);
    layout->addWidget(m_wholeWords);
    layout->addWidget(m_fromStart);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString CFindDialog::text() const
{
    return m_text->text();
}

bool CFindDialog::matchCase() const
{
    return m_matchCase->isChecked();
}

bool CFindDialog::wholeWords() const
{
    return m_wholeWords->isChecked();
}

bool CFindDialog::fromStart() const
{
    return m_fromStart->isChecked();
}
