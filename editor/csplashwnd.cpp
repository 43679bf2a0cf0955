#include "editor/csplashwnd.h"

#include "editor/editoricons.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

CSplashWnd::CSplashWnd(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(picture())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    qApp->installEventFilter(this);
    QTimer::singleShot(lifetimeMs, this, &QWidget::close);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
}

QPixmap CSplashWnd::picture()
{
    QPixmap pix(420, 240);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, pix.height());
    sky.setColorAt(0, QColor(0x1d, 0x4e, 0x89));
    sky.setColorAt(1, QColor(0x0b, 0x23, 0x40));
    p.fillRect(pix.rect(), sky);
    // A faint plan in the background.
    p.setPen(QPen(QColor(255, 255, 255, 40), 6));
    p.drawRect(240, 40, 150, 150);
    p.drawLine(315, 40, 315, 190);
    p.drawLine(240, 120, 315, 120);
    p.drawPixmap(28, 36, editoricons::applicationIcon().pixmap(72, 72));
    QFont title = p.font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(28, 118, 360, 48), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Domora"));
    QFont sub = p.font();
    sub.setPointSize(11);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(0xd8, 0xe6, 0xf5));
    p.drawText(QRect(30, 166, 380, 24), Qt::AlignLeft,
               QCoreApplication::translate("CSplashWnd", "Planimetrie per le agenzie immobiliari"));
    p.drawText(QRect(30, 200, 380, 24), Qt::AlignLeft,
               QCoreApplication::translate("CSplashWnd", "Versione %1 - Velmar")
                   .arg(QStringLiteral("1.0.0")));
    p.end();
    return pix;
}

void CSplashWnd::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void CSplashWnd::hideEvent(QHideEvent *event)
{
    // Gone from the screen: input goes where it belongs again.
    qApp->removeEventFilter(this);
    QWidget::hideEvent(event);
}

bool CSplashWnd::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        close();
        return true; // the input that dismissed the splash goes no further
    default:
        return QWidget::eventFilter(watched, event);
    }
}
