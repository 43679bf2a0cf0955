#pragma once

#include "copyjob.h"
#include "steptimerdialog.h"

class CopyAnimation;
class ElidedLabel;
class QProgressBar;

// "Copia in corso...": copies one listed file per tick of its timer (1977),
// the first tick 1.5 s after opening and then every 0.5 s. A copy error is
// asked about with Yes (stop asking for the rest of the run), No (go on) or
// Cancel (stop copying). Progress counts bytes, copied or not.
class CCopyDialog : public StepTimerDialog
{
    Q_OBJECT

public:
    static constexpr int firstDelayMs = 1500;
    static constexpr int periodMs = 500;

    explicit CCopyDialog(CopyJob job, QWidget *parent = nullptr);

    // Tests shorten the waits.
    using StepTimerDialog::setIntervalsMs;
    [[nodiscard]] qint64 doneBytes() const { return m_doneBytes; }
    [[nodiscard]] const CopyJob &job() const { return m_job; }

protected:
    void step() override;

private:
    CopyJob m_job;
    CopyAnimation *m_animation;
    ElidedLabel *m_current;
    ElidedLabel *m_source;
    ElidedLabel *m_destination;
    QProgressBar *m_progress;
    bool m_firstStep = true;
    qint64 m_doneBytes = 0;
};
