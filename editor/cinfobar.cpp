#include "editor/cinfobar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

CInfoBar::CInfoBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("103"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addStretch();
    addReadout(1042, tr("Posizione [mm]:"), 14);
    addReadout(1043, tr("Distanza dall'origine [mm]:"), 9);
}

bool CInfoBar::addReadout(int controlId, const QString &caption, int widthChars)
{
    if (m_fields.contains(controlId))
        return false;
    auto *layout = static_cast<QHBoxLayout *>(this->layout());
    auto *label = new QLabel(caption, this);
    auto *field = new QLineEdit(this);
    field->setObjectName(QString::number(controlId));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * widthChars +
                         12);
    label->setBuddy(field);
    // Before the closing stretch.
    layout->insertWidget(layout->count() - 1, label);
    layout->insertWidget(layout->count() - 1, field);
    layout->insertSpacing(layout->count() - 1, 12);
    m_fields.insert(controlId, field);
    return true;
}

void CInfoBar::setText(int controlId, const QString &text)
{
    if (QLineEdit *field = m_fields.value(controlId))
        field->setText(text);
}

QString CInfoBar::text(int controlId) const
{
    const QLineEdit *field = m_fields.value(controlId);
    return field ? field->text() : QString();
}
