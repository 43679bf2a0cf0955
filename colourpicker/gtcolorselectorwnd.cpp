#include "gtcolorselectorwnd.h"

#include "cedgepainter.h"
#include "colourpicker/gradient.h"
#include "gtcolorsliderwnd.h"
#include "gtcolorwellwnd.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace colourpicker;

GTColorSelectorWnd::GTColorSelectorWnd(int id, QWidget *parent) : QWidget(parent), m_id(id)
{
    setObjectName(QString::number(id));
    // Every paint covers the whole client area.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
}

void GTColorSelectorWnd::SetMode(int mode)
{
    if (m_model.setMode(mode))
        update();
}

COLORREF GTColorSelectorWnd::GetColor() const
{
    return m_model.color();
}

void GTColorSelectorWnd::SetColor(COLORREF color)
{
    if (!m_model.setColor(color))
        return;
    // Announce the colour of the position, which lies on the mode's grid.
    OnColorChanged(m_model.color());
    update();
}

void GTColorSelectorWnd::SetZ(int z)
{
    if (!m_model.setZ(z))
        return;
    OnColorChanged(m_model.color());
    update();
}

void GTColorSelectorWnd::OnColorNotify(const COLORNOTIFY &notify)
{
    const auto *slider = qobject_cast<const GTColorSliderWnd *>(notify.sender);
    const int value = static_cast<int>(notify.value);
    SetZ(slider ? slider->model().componentOf(value) : value);
}

void GTColorSelectorWnd::OnColorChanged(COLORREF color)
{
    if (m_id == 0)
        return;
    const COLORNOTIFY notify{this, m_id, color};
    if (m_slider)
        m_slider->OnColorNotify(notify);
    if (m_well)
        m_well->OnColorNotify(notify);
    emit colorChanged(color);
}

void GTColorSelectorWnd::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_area = QRect(QPoint(3, 3), QPoint(width() - 3, height() - 3));
    m_image = QImage(size(), QImage::Format_RGB32);
}

void GTColorSelectorWnd::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    painter.fillRect(m_image.rect(), palette().color(QPalette::Button));
    CEdgePainter::drawFrame(painter, palette(), 1, 1, width() - 1, height() - 1,
                            CEdgePainter::frameSunken | CEdgePainter::frameOutline);
    painter.end();

    const QRect area = m_area.intersected(m_image.rect());
    if (!area.isEmpty()) {
        auto *origin = reinterpret_cast<Pixel *>(m_image.scanLine(area.top())) + area.left();
        renderColorArea(origin, m_image.bytesPerLine() / 4, area.width(), area.height(),
                        m_model.mode(), m_model.position().z);

        painter.begin(&m_image);
        painter.setClipRect(area);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(markerIsBlack(m_model.color()) ? Qt::black : Qt::white);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(m_model.markerCenter(m_area), 5, 5);
        painter.end();
    }
    QPainter(this).drawImage(0, 0, m_image);
}

void GTColorSelectorWnd::mousePressEvent(QMouseEvent *event)
{
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::MiddleButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    // A middle-button drag works as a left-button one and ends on its own release.
    if (!m_tracking && m_area.contains(point)) {
        m_tracking = true;
        m_dragButton = button;
        updateCursor(point);
        track(point);
    }
}

void GTColorSelectorWnd::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    // A drag whose button came up where we could not see it (the mouse was
    // taken away meanwhile) ends here instead of following a free pointer.
    if (m_tracking && !(event->buttons() & m_dragButton))
        endDrag(point);
    updateCursor(point);
    if (m_tracking)
        track(point);
}

void GTColorSelectorWnd::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton)
        setFocus(Qt::MouseFocusReason);
    if (m_tracking && event->button() == m_dragButton)
        endDrag(event->position().toPoint());
}

void GTColorSelectorWnd::endDrag(QPoint point)
{
    m_tracking = false;
    m_dragButton = Qt::NoButton;
    updateCursor(point);
    OnColorChanged(m_model.color());
}

void GTColorSelectorWnd::keyPressEvent(QKeyEvent *event)
{
    if (m_tracking || !m_model.moveByKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    update();
    OnColorChanged(m_model.color());
}

void GTColorSelectorWnd::track(QPoint point)
{
    if (!m_model.moveToPoint(point, m_area))
        return;
    update();
    OnColorChanged(m_model.color());
}

void GTColorSelectorWnd::updateCursor(QPoint point)
{
    if (m_tracking || m_area.contains(point))
        setCursor(Qt::CrossCursor);
    else
        setCursor(Qt::ArrowCursor);
}
