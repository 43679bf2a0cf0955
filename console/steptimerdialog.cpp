#include "steptimerdialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

StepTimerDialog::StepTimerDialog(QWidget *parent) : QDialog(parent), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QString::number(timerId));
    connect(m_timer, &QTimer::timeout, this, &StepTimerDialog::tick);
}

void StepTimerDialog::setIntervalsMs(int firstDelay, int period)
{
    m_firstDelayMs = firstDelay;
    m_periodMs = period;
}

QDialogButtonBox *StepTimerDialog::makeCancelButtons()
{
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("2"));
    connect(cancel, &QPushButton::clicked, this, [this] { done(Rejected); });
    return buttons;
}

void StepTimerDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    started();
    m_timer->start(m_firstDelayMs);
}

void StepTimerDialog::done(int result)
{
    m_timer->stop();
    QDialog::done(result);
}

void StepTimerDialog::tick()
{
    if (m_inTick)
        return;
    m_inTick = true;
    if (m_firstTick) {
        m_firstTick = false;
        if (m_periodMs != m_firstDelayMs)
            m_timer->start(m_periodMs);
    }
    step();
    m_inTick = false;
}
