#pragma once

#include <QLabel>

// A label that acts as a button: it underlines under the mouse and reports a
// click when the left button comes up over it.
class LabelButton : public QLabel
{
    Q_OBJECT
public:
    explicit LabelButton(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
