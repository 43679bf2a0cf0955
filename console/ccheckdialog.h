#pragma once

#include "installationcheck.h"

#include <QDialog>

class CopyAnimation;
class ElidedLabel;
class QLabel;
class QTimer;

// "Controlla applicazione": looks for one listed file per tick of its timer
// (1977, every 0.5 s) and reports each missing one.
class CCheckDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int timerId = 1977;
    static constexpr int periodMs = 500;

    explicit CCheckDialog(InstallationCheck check, QWidget *parent = nullptr);
    void setIntervalMs(int period) { m_periodMs = period; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void tick();

    InstallationCheck m_check;
    CopyAnimation *m_animation;
    QLabel *m_action;
    ElidedLabel *m_current;
    QTimer *m_timer;
    int m_periodMs = periodMs;
    bool m_started = false;
    bool m_inTick = false;
};
