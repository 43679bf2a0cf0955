#pragma once

#include <QPixmap>
#include <QWidget>

// The splash window: the program's picture centred on the screen. It goes
// after 750 ms, or at once at the first key or mouse button anywhere in the
// program (that input is used up).
class CSplashWnd : public QWidget
{
    Q_OBJECT
public:
    static constexpr int lifetimeMs = 750;

    explicit CSplashWnd(QWidget *parent = nullptr);
    ~CSplashWnd() override;

    // The picture shown (bitmap 158).
    [[nodiscard]] static QPixmap picture();

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPixmap m_picture;
};
