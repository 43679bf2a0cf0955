#include "gtcolorsliderwnd.h"

#include "cedgepainter.h"
#include "colourpicker/colormode.h"
#include "colourpicker/gradient.h"
#include "gtcolorselectorwnd.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace colourpicker;

GTColorSliderWnd::GTColorSliderWnd(int id, QWidget *parent) : QWidget(parent), m_id(id)
{
    setObjectName(QString::number(id));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void GTColorSliderWnd::SetMode(int mode)
{
    if (m_model.setMode(mode))
        update();
}

void GTColorSliderWnd::SetValue(int z)
{
    if (m_model.setValue(z))
        update();
}

void GTColorSliderWnd::SetParam(int index, int value)
{
    if (m_model.setParam(index, value))
        update();
}

void GTColorSliderWnd::OnColorNotify(const COLORNOTIFY &notify)
{
    const auto *field = qobject_cast<const GTColorSelectorWnd *>(notify.sender);
    if (!field)
        return;
    const Position position = field->model().position();
    if (isHsvMode(field->model().mode())) {
        SetParam(0, position.x);
        SetParam(1, position.y);
    } else {
        SetParam(0, position.y);
        SetParam(1, position.x);
    }
    SetValue(position.z);
}

void GTColorSliderWnd::OnValueChanged(int value)
{
    if (m_id == 0)
        return;
    if (m_field)
        m_field->OnColorNotify({this, m_id, static_cast<std::uint32_t>(value)});
    else
        emit valueChanged(value);
}

void GTColorSliderWnd::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    // 2 pixels of margin, room for an arrow on each side and 3 more above and below.
    m_frame = QRect(QPoint(2 + arrowSize + 1, 2 + 3), QPoint(w - 3 - arrowSize - 1, h - 3 - 3));
    m_bar = m_frame.adjusted(2, 2, -2, -2);
    m_gradient.assign(static_cast<std::size_t>(std::max(0, m_bar.height())), 0);
    m_image = QImage(size(), QImage::Format_RGB32);
}

void GTColorSliderWnd::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    painter.fillRect(m_image.rect(), palette().color(QPalette::Button));
    CEdgePainter::drawFrame(painter, palette(), m_frame.left(), m_frame.top(), m_frame.right(),
                            m_frame.bottom(),
                            CEdgePainter::frameSunken | CEdgePainter::frameOutline);
    painter.end();

    const QRect bar = m_bar.intersected(m_image.rect());
    if (!bar.isEmpty() && bar == m_bar) {
        const int rows = static_cast<int>(m_gradient.size());
        sliderGradient(m_gradient.data(), rows, m_model.mode() & modeMask, m_model.param(0),
                       m_model.param(1), m_model.gradientReversed());
        for (int i = 0; i < rows; ++i) {
            auto *line = reinterpret_cast<Pixel *>(m_image.scanLine(m_bar.bottom() - i));
            std::fill(line + m_bar.left(), line + m_bar.right() + 1, m_gradient[i]);
        }
    }

    painter.begin(&m_image);
    const int y = m_model.arrowY(m_bar.top(), m_bar.bottom());
    const QColor outline = palette().color(QPalette::WindowText);
    const QColor fill = palette().color(QPalette::Base);
    CEdgePainter::drawTriangle(painter, m_frame.left() - 2, y, CEdgePainter::Triangle::Right,
                               arrowSize, outline, fill);
    CEdgePainter::drawTriangle(painter, m_frame.right() + 2, y, CEdgePainter::Triangle::Left,
                               arrowSize, outline, fill);
    if (hasFocus()) {
        // A dotted line around the whole client area.
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
    painter.end();
    QPainter(this).drawImage(0, 0, m_image);
}

void GTColorSliderWnd::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    const QRect hit(2, 2, width() - 5, height() - 5);
    if (!m_tracking && hit.contains(point)) {
        m_tracking = true;
        track(point.y());
    }
}

void GTColorSliderWnd::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_tracking)
        return;
    // The button came up where we could not see it: the drag is over.
    if (!(event->buttons() & Qt::LeftButton))
        endDrag();
    else
        track(event->position().toPoint().y());
}

void GTColorSliderWnd::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton)
        setFocus(Qt::MouseFocusReason);
    if (m_tracking && event->button() == Qt::LeftButton)
        endDrag();
}

void GTColorSliderWnd::endDrag()
{
    m_tracking = false;
    OnValueChanged(m_model.value());
}

void GTColorSliderWnd::keyPressEvent(QKeyEvent *event)
{
    if (m_tracking || !m_model.moveByKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    OnValueChanged(m_model.value());
    update();
}

void GTColorSliderWnd::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void GTColorSliderWnd::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void GTColorSliderWnd::track(int y)
{
    if (!m_model.moveToY(y, m_bar.top(), m_bar.bottom()))
        return;
    update();
    OnValueChanged(m_model.value());
}
