#pragma once

#include <QDialog>

class QDialogButtonBox;
class QTimer;

// A console dialog that does its work one step per tick of its timer
// (1977), from the moment it is first shown until it closes. A step that is
// showing a question is not entered again by the ticks meanwhile.
class StepTimerDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int timerId = 1977;

    void done(int result) override;

protected:
    explicit StepTimerDialog(QWidget *parent);
    // The first tick comes `firstDelay` ms after the dialog is first shown,
    // the others every `period` ms.
    void setIntervalsMs(int firstDelay, int period);
    // The dialog's one button, "Annulla", which closes it as Rejected.
    [[nodiscard]] QDialogButtonBox *makeCancelButtons();

    void showEvent(QShowEvent *event) override;
    // When the dialog is first shown, before the first tick.
    virtual void started() {}
    virtual void step() = 0;

private:
    void tick();

    QTimer *m_timer;
    int m_firstDelayMs = 0;
    int m_periodMs = 0;
    bool m_started = false;
    bool m_firstTick = true;
    bool m_inTick = false;
};
