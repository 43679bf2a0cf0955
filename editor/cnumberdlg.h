#pragma once

#include <QDialog>

class QLabel;
class QSpinBox;

// The number dialog several commands share: a prompt and a whole number in
// an edit box with a spin control, kept between its two limits.
class CNumberDlg : public QDialog
{
    Q_OBJECT
public:
    CNumberDlg(const QString &caption, const QString &prompt, int value, int lower, int upper,
               QWidget *parent = nullptr);

    [[nodiscard]] int value() const;
    void setValue(int value);
    [[nodiscard]] QString prompt() const;
    [[nodiscard]] int lower() const;
    [[nodiscard]] int upper() const;

private:
    QLabel *m_prompt;
    QSpinBox *m_value;
};
