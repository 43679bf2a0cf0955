#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The small window shown while updates are fetched: what is being fetched,
// how much has arrived, and a bar.
class CUpdateProgressDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CUpdateProgressDlg(QWidget *parent = nullptr);

    void setText(const QString &text);     // control 1291
    void setStatus(const QString &status); // control 1004
    void setPercent(int percent);          // control 1003, 0-100
    [[nodiscard]] QString text() const;
    [[nodiscard]] QString status() const;
    [[nodiscard]] int percent() const;

private:
    QLabel *m_text;
    QLabel *m_status;
    QProgressBar *m_bar;
};
