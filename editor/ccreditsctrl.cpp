#include "editor/ccreditsctrl.h"

#include <QPainter>
#include <QTimer>

namespace {
constexpr int dotPitch = 2;
}

CCreditsCtrl::CCreditsCtrl(QWidget *parent) : QWidget(parent), m_timer(new QTimer(this))
{
    m_timer->setInterval(40);
    connect(m_timer, &QTimer::timeout, this, &CCreditsCtrl::step);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setBold(true);
    font.setPixelSize(18);
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CCreditsCtrl::setLines(const QStringList &lines)
{
    m_lines = lines;
    m_offset = 0;
    update();
}

int CCreditsCtrl::lineHeight() const
{
    return fontMetrics().height() + 6;
}

void CCreditsCtrl::step()
{
    const int total = height() + int(m_lines.size()) * lineHeight();
    m_offset = total > 0 ? (m_offset + 1) % total : 0;
    update();
}

void CCreditsCtrl::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_timer->start();
}

void CCreditsCtrl::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}

void CCreditsCtrl::paintEvent(QPaintEvent *)
{
    // Draw the text into an off-screen image, then show it through a grid of
    // round dots: lit where the text is, faintly glowing elsewhere.
    QImage text(size(), QImage::Format_Grayscale8);
    text.fill(0);
    {
        QPainter p(&text);
        p.setFont(font());
        p.setPen(Qt::white);
        int y = height() - m_offset;
        for (const QString &line : m_lines) {
            p.drawText(QRect(0, y, width(), lineHeight()), Qt::AlignHCenter | Qt::AlignVCenter,
                       line);
            y += lineHeight();
        }
    }
    QPainter p(this);
    p.fillRect(rect(), QColor(0x05, 0x10, 0x05));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int y = 1; y < height(); y += dotPitch) {
        const uchar *row = text.constScanLine(y);
        for (int x = 1; x < width(); x += dotPitch) {
            const int level = row[x];
            p.setBrush(level > 80 ? QColor(0x60, 0xFF, 0x70) : QColor(0x10, 0x30, 0x14));
            p.drawEllipse(QRectF(x - 0.8, y - 0.8, 1.7, 1.7));
        }
    }
}
