#pragma once

#include "installationcheck.h"
#include "steptimerdialog.h"

class CopyAnimation;
class ElidedLabel;
class QLabel;

// "Controlla applicazione": looks for one listed file per tick of its timer
// (1977, every 0.5 s) and reports each missing one.
class CCheckDialog : public StepTimerDialog
{
    Q_OBJECT

public:
    static constexpr int periodMs = 500;

    explicit CCheckDialog(InstallationCheck check, QWidget *parent = nullptr);
    void setIntervalMs(int period) { setIntervalsMs(period, period); }

protected:
    void started() override;
    void step() override;

private:
    InstallationCheck m_check;
    CopyAnimation *m_animation;
    QLabel *m_action;
    ElidedLabel *m_current;
};
