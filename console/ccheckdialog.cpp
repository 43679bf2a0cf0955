#include "ccheckdialog.h"

#include "copyanimation.h"
#include "elidedlabel.h"
#include "platform/messagebox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

CCheckDialog::CCheckDialog(InstallationCheck check, QWidget *parent)
    : QDialog(parent), m_check(std::move(check)),
      m_animation(new CopyAnimation(CopyAnimation::Kind::Checking, this)),
      m_action(new QLabel(this)), m_current(new ElidedLabel(this)), m_timer(new QTimer(this))
{
    setWindowTitle(tr("Controlla applicazione"));
    setObjectName(QStringLiteral("156"));
    m_action->setObjectName(QStringLiteral("1032"));
    m_current->setObjectName(QStringLiteral("1033"));
    m_timer->setObjectName(QString::number(timerId));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("2"));
    connect(cancel, &QPushButton::clicked, this, [this] { done(Rejected); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_animation, 0, Qt::AlignHCenter);
    layout->addWidget(m_action);
    layout->addWidget(m_current);
    layout->addWidget(buttons);
    setMinimumWidth(400);

    connect(m_timer, &QTimer::timeout, this, &CCheckDialog::tick);
}

void CCheckDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    m_action->setText(tr("verifica l'esistenza dei file..."));
    m_timer->start(m_periodMs);
}

void CCheckDialog::done(int result)
{
    m_timer->stop();
    QDialog::done(result);
}

void CCheckDialog::tick()
{
    if (m_inTick)
        return;
    m_inTick = true;
    if (!m_check.atEnd()) {
        const QString name = m_check.currentName();
        m_current->setFullText(name);
        if (!m_check.currentExists())
            platform::ui::messageBox(this, InstallationCheck::missingMessage(name), {},
                                     platform::ui::Buttons::Ok, platform::ui::Icon::Warning);
        m_check.advance();
    }
    m_inTick = false;
    if (m_check.atEnd())
        done(Accepted);
}
