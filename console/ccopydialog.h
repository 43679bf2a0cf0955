#pragma once

#include "copyjob.h"

#include <QDialog>

class CopyAnimation;
class ElidedLabel;
class QProgressBar;
class QTimer;

// "Copia in corso...": copies one listed file per tick of its timer (1977),
// the first tick 1.5 s after opening and then every 0.5 s. A copy error is
// asked about with Yes (stop asking for the rest of the run), No (go on) or
// Cancel (stop copying). Progress counts bytes, copied or not.
class CCopyDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int timerId = 1977;
    static constexpr int firstDelayMs = 1500;
    static constexpr int periodMs = 500;

    explicit CCopyDialog(CopyJob job, QWidget *parent = nullptr);

    // Tests shorten the waits.
    void setIntervalsMs(int firstDelay, int period);
    [[nodiscard]] qint64 doneBytes() const { return m_doneBytes; }
    [[nodiscard]] const CopyJob &job() const { return m_job; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void tick();

    CopyJob m_job;
    CopyAnimation *m_animation;
    ElidedLabel *m_current;
    ElidedLabel *m_source;
    ElidedLabel *m_destination;
    QProgressBar *m_progress;
    QTimer *m_timer;
    int m_firstDelayMs = firstDelayMs;
    int m_periodMs = periodMs;
    bool m_started = false;
    bool m_firstTick = true;
    bool m_inTick = false; // a tick showing its question does not run again
    qint64 m_doneBytes = 0;
};
