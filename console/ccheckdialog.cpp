#include "ccheckdialog.h"

#include "copyanimation.h"
#include "elidedlabel.h"
#include "platform/messagebox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CCheckDialog::CCheckDialog(InstallationCheck check, QWidget *parent)
    : StepTimerDialog(parent), m_check(std::move(check)),
      m_animation(new CopyAnimation(CopyAnimation::Kind::Checking, this)),
      m_action(new QLabel(this)), m_current(new ElidedLabel(this))
{
    setIntervalMs(periodMs);
    setWindowTitle(tr("Controlla applicazione"));
    setObjectName(QStringLiteral("156"));
    m_action->setObjectName(QStringLiteral("1032"));
    m_current->setObjectName(QStringLiteral("1033"));
    QDialogButtonBox *buttons = makeCancelButtons();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_animation, 0, Qt::AlignHCenter);
    layout->addWidget(m_action);
    layout->addWidget(m_current);
    layout->addWidget(buttons);
    setMinimumWidth(400);
}

void CCheckDialog::started()
{
    m_action->setText(tr("verifica l'esistenza dei file..."));
}

void CCheckDialog::step()
{
    if (!m_check.atEnd()) {
        const QString name = m_check.currentName();
        m_current->setFullText(name);
        if (!m_check.currentExists())
            platform::ui::messageBox(this, InstallationCheck::missingMessage(name), {},
                                     platform::ui::Buttons::Ok, platform::ui::Icon::Warning);
        m_check.advance();
    }
    if (m_check.atEnd())
        done(Accepted);
}
