#pragma once

#include <QStringList>
#include <QWidget>

class QTimer;

// A dot-matrix display that scrolls lines of text upwards, lit in green on
// black, for the acknowledgements window.
class CCreditsCtrl : public QWidget
{
    Q_OBJECT
public:
    explicit CCreditsCtrl(QWidget *parent = nullptr);

    void setLines(const QStringList &lines);
    [[nodiscard]] const QStringList &lines() const { return m_lines; }
    // One step of the scroll (one pixel row); the text starts again from
    // below once it has gone out at the top.
    void step();
    [[nodiscard]] int offset() const { return m_offset; }

    QSize sizeHint() const override { return {440, 220}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    [[nodiscard]] int lineHeight() const;

    QStringList m_lines;
    QTimer *m_timer;
    int m_offset = 0;
};
