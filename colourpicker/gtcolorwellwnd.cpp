#include "gtcolorwellwnd.h"

#include "cedgepainter.h"
#include "gtcolorselectorwnd.h"

#include <QMouseEvent>
#include <QPainter>

using namespace colourpicker;

GTColorWellWnd::GTColorWellWnd(int id, QWidget *parent) : QWidget(parent)
{
    setObjectName(QString::number(id));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void GTColorWellWnd::OnColorNotify(const COLORNOTIFY &notify)
{
    m_color = m_field ? m_field->GetColor() : notify.value;
    emit colorTaken(m_color);
    update();
}

void GTColorWellWnd::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_image = QImage(size(), QImage::Format_RGB32);
}

void GTColorWellWnd::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    painter.fillRect(QRect(QPoint(2, 2), QPoint(width() - 1, height() - 1)),
                     QColor(redOf(m_color), greenOf(m_color), blueOf(m_color)));
    CEdgePainter::drawFrame(painter, palette(), 0, 0, width() - 1, height() - 1,
                            CEdgePainter::frameSunken | CEdgePainter::frameOutline);
    painter.end();
    QPainter(this).drawImage(0, 0, m_image);
}

void GTColorWellWnd::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
        setFocus(Qt::MouseFocusReason);
    else
        QWidget::mousePressEvent(event);
}
