#include "editor/cnumberdlg.h"

#include "editor/editingui.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

CNumberDlg::CNumberDlg(const QString &caption, const QString &prompt, int value, int lower,
                       int upper, QWidget *parent)
    : QDialog(parent), m_prompt(new QLabel(prompt, this)), m_value(new QSpinBox(this))
{
    setWindowTitle(caption);
    m_prompt->setObjectName(QStringLiteral("prompt"));
    m_value->setObjectName(QStringLiteral("value"));
    m_value->setRange(lower, upper);
    m_value->setValue(value);
    m_value->setMinimumWidth(80);
    m_prompt->setBuddy(m_value);
    auto *row = new QHBoxLayout;
    row->addWidget(m_prompt, 1);
    row->addWidget(m_value);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    editingui::addOkCancel(this, layout);
    m_value->selectAll();
    m_value->setFocus();
}

int CNumberDlg::value() const
{
    return m_value->value();
}

void CNumberDlg::setValue(int value)
{
    m_value->setValue(value);
}

QString CNumberDlg::prompt() const
{
    return m_prompt->text();
}

int CNumberDlg::lower() const
{
    return m_value->minimum();
}

int CNumberDlg::upper() const
{
    return m_value->maximum();
}
