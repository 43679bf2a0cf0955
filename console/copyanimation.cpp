#include "copyanimation.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <cmath>

namespace {

constexpr int frameIntervalMs = 60;
constexpr int framesPerLoop = 40;

} // namespace

CopyAnimation::CopyAnimation(Kind kind, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_timer(new QTimer(this))
{
    m_timer->setInterval(frameIntervalMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_frame = (m_frame + 1) % framesPerLoop;
        update();
    });
    setMinimumSize(sizeHint());
}

void CopyAnimation::setKind(Kind kind)
{
    m_kind = kind;
    m_frame = 0;
    update();
}

void CopyAnimation::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_timer->start();
}

void CopyAnimation::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}

void CopyAnimation::paintFolder(QPainter &p, const QRectF &r) const
{
    QPainterPath folder;
    folder.moveTo(r.left(), r.top() + r.height() * 0.18);
    folder.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.18);
    folder.lineTo(r.left() + r.width() * 0.45, r.top());
    folder.lineTo(r.right(), r.top());
    folder.lineTo(r.right(), r.bottom());
    folder.lineTo(r.left(), r.bottom());
    folder.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 224, 130));
    g.setColorAt(1, QColor(226, 172, 52));
    p.setPen(QPen(QColor(150, 105, 20), 1.2));
    p.setBrush(g);
    p.drawPath(folder);
}

void CopyAnimation::paintSheet(QPainter &p, const QRectF &r) const
{
    p.setPen(QPen(QColor(80, 90, 110), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(150, 165, 190), 1));
    for (int i = 1; i < 4; ++i) {
        const qreal y = r.top() + r.height() * i / 4.0;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void CopyAnimation::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();
    const qreal t = static_cast<qreal>(m_frame) / framesPerLoop; // 0..1 through the loop
    const QRectF left(8, h / 2 - 18, 48, 36);
    const QRectF right(w - 56, h / 2 - 18, 48, 36);

    const auto magnifier = [&p](const QPointF &c, qreal r) {
        p.setPen(QPen(QColor(60, 60, 70), r * 0.35, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(r * 0.7, r * 0.7), c + QPointF(r * 1.7, r * 1.7));
        p.setPen(QPen(QColor(60, 60, 70), r * 0.25));
        p.setBrush(QColor(200, 225, 250, 190));
        p.drawEllipse(c, r, r);
    };

    switch (m_kind) {
    case Kind::Copying: {
        paintFolder(p, left);
        paintFolder(p, right);
        // a sheet flies from the left folder to the right one along an arc
        const qreal x = left.center().x() + (right.center().x() - left.center().x()) * t;
        const qreal y = h / 2 + 2 - std::sin(t * M_PI) * (h / 2 - 14);
        p.save();
        p.translate(x, y);
        p.rotate(-20 + 40 * t);
        paintSheet(p, QRectF(-8, -10, 16, 20));
        p.restore();
        break;
    }
    case Kind::Searching: {
        paintFolder(p, QRectF(w / 2 - 30, h / 2 - 20, 60, 42));
        const qreal a = t * 2 * M_PI;
        magnifier(QPointF(w / 2 + std::cos(a) * 22, h / 2 + std::sin(a) * 8 - 4), 9);
        break;
    }
    case Kind::Checking: {
        for (int i = 0; i < 4; ++i)
            paintSheet(p, QRectF(w / 2 - 70 + i * 36, h / 2 - 14, 22, 28));
        const qreal x = w / 2 - 60 + t * 4 * 36;
        magnifier(QPointF(std::fmod(x - (w / 2 - 60), 4 * 36) + (w / 2 - 60), h / 2 - 4), 9);
        break;
    }
    }
}
