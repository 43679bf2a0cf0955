#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The updater's only window: two message lines, the start button and the
// restart check box. Enter starts; Escape and the close box cancel.
class CUpdaterDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CUpdaterDialog(QWidget *parent = nullptr);

    [[nodiscard]] bool restartChecked() const;

private slots:
    void OnStart();

private:
    QLabel *m_line1 = nullptr;
    QLabel *m_line2 = nullptr;
    QPushButton *m_start = nullptr;
    QCheckBox *m_restart = nullptr;
};
