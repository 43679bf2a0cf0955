#include "editor/czoomview.h"

#include "editor/editoricons.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr float wheelOutFactor = 1.25f; // wheel toward the user
constexpr float wheelInFactor = 0.75f;  // wheel away: divide by 0.75
constexpr int wheelStep = 120;          // one notch of a mouse wheel

// The page step of a scroll bar is the scroll distance of a page, not the
// visible part: keep the thumb as large as the window and jump by our own.
void connectPageStep(QScrollBar *bar, const int *pageStep)
{
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar, pageStep](int action) {
        if (action == QAbstractSlider::SliderPageStepAdd)
            bar->setSliderPosition(std::min(bar->maximum(), bar->value() + std::max(1, *pageStep)));
        else if (action == QAbstractSlider::SliderPageStepSub)
            bar->setSliderPosition(std::max(bar->minimum(), bar->value() - std::max(1, *pageStep)));
    });
}

} // namespace

CZoomView::CZoomView(QWidget *parent)
    : QAbstractScrollArea(parent), m_zoomCursor(editoricons::zoomCursorPixmap(), 10, 10)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connectPageStep(horizontalScrollBar(), &m_pageStep.rwidth());
    connectPageStep(verticalScrollBar(), &m_pageStep.rheight());
    m_zoom.setZoomExtent({210, 297});
    m_pageStep = m_zoom.pageStep();
    m_lineStep = m_zoom.lineStep();
}

CZoomView::~CZoomView() = default;

void CZoomView::SetZoomExtent(QSize sheetMm, QSize pageSize, QSize lineSize)
{
    m_zoom.setZoomExtent(sheetMm);
    m_pageStep = pageSize.isEmpty() ? m_zoom.pageStep() : pageSize;
    m_lineStep = lineSize.isEmpty() ? m_zoom.lineStep() : lineSize;
    m_pageStep.setHeight(std::abs(m_pageStep.height()));
    m_lineStep.setHeight(std::abs(m_lineStep.height()));
    recalcScrollBars();
    viewport()->update();
    OnZoomChanged();
}

void CZoomView::recalcScrollBars()
{
    if (m_pageStep.isEmpty() || m_pageStep.width() == 0) {
        m_pageStep = m_zoom.pageStep();
        m_lineStep = m_zoom.lineStep();
    }
    const QSize device = m_zoom.deviceSize();
    const QSize client = viewport()->size();
    QScrollBar *h = horizontalScrollBar();
    QScrollBar *v = verticalScrollBar();
    h->setRange(0, std::max(0, device.width() - client.width()));
    v->setRange(0, std::max(0, device.height() - client.height()));
    h->setPageStep(std::max(1, client.width()));
    v->setPageStep(std::max(1, client.height()));
    h->setSingleStep(std::max(1, m_lineStep.width()));
    v->setSingleStep(std::max(1, m_lineStep.height()));
}

QPoint CZoomView::scrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QPoint CZoomView::sheetOrigin() const
{
    return m_zoom.viewportOrigin(scrollPosition(), viewport()->size());
}

QPointF CZoomView::toLogical(QPointF windowPx) const
{
    return m_zoom.toLogical(windowPx, sheetOrigin());
}

QPointF CZoomView::toWindow(QPointF logicalMm) const
{
    return m_zoom.toClient(logicalMm, sheetOrigin());
}

QRect CZoomView::sheetRectInWindow() const
{
    return QRect(sheetOrigin(), m_zoom.deviceSize());
}

QPointF CZoomView::windowCentreLogical() const
{
    return toLogical(QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
}

void CZoomView::centreOn(QPointF logicalPoint)
{
    const QSize device = m_zoom.deviceSize();
    const QSize logical = m_zoom.logicalSize();
    const double x = logicalPoint.x() * device.width() / logical.width();
    const double y = logicalPoint.y() * device.height() / logical.height();
    horizontalScrollBar()->setValue(static_cast<int>(x - viewport()->width() / 2.0));
    verticalScrollBar()->setValue(static_cast<int>(y - viewport()->height() / 2.0));
}

void CZoomView::afterZoom(std::optional<QPointF> centre)
{
    m_pageStep = m_zoom.pageStep();
    m_lineStep = m_zoom.lineStep();
    recalcScrollBars();
    if (centre)
        centreOn(*centre);
    viewport()->update();
    OnZoomChanged();
    emit zoomChanged(m_zoom.scale());
}

void CZoomView::ZoomInBy(std::optional<QPointF> logicalPoint, float factor)
{
    const QPointF centre = logicalPoint.value_or(windowCentreLogical());
    m_zoom.zoomInBy(factor);
    afterZoom(centre);
}

void CZoomView::ZoomOutBy(std::optional<QPointF> logicalPoint, float factor)
{
    const QPointF centre = logicalPoint.value_or(windowCentreLogical());
    m_zoom.zoomOutBy(factor);
    afterZoom(centre);
}

void CZoomView::ZoomToRect(const QRect &logicalRect)
{
    QPointF centre;
    m_zoom.zoomToRect(logicalRect, viewport()->size(), centre);
    afterZoom(centre);
}

void CZoomView::ZoomFitPage()
{
    m_zoom.zoomFitPage(maximumViewportSize());
    afterZoom(QPointF(m_zoom.logicalSize().width() / 2.0, m_zoom.logicalSize().height() / 2.0));
}

void CZoomView::ZoomActualSize()
{
    const QPointF centre = windowCentreLogical();
    m_zoom.zoomActualSize();
    afterZoom(centre);
}

void CZoomView::SetZoomScale(float scale)
{
    const QPointF centre = windowCentreLogical();
    m_zoom.setZoomScale(scale);
    afterZoom(centre);
}

void CZoomView::ZoomFitSide(bool byWidth, QSize windowSize)
{
    const QPointF centre = windowCentreLogical();
    m_zoom.zoomFitSide(byWidth, windowSize);
    afterZoom(centre);
}

void CZoomView::SetZoomTool(int mode)
{
    if (mode == m_zoomMode)
        return;
    cancelRubberBand();
    m_zoomMode = mode;
    updateCursor();
}

void CZoomView::OnZoomChanged()
{
}

void CZoomView::showPrompt(const QString &)
{
}

void CZoomView::updateCursor()
{
    if (m_zoomMode != ZoomNone)
        viewport()->setCursor(m_zoomCursor);
    else
        viewport()->setCursor(Qt::ArrowCursor);
}

void CZoomView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QSize logical = m_zoom.logicalSize();
    const QSize device = m_zoom.deviceSize();
    painter.save();
    painter.translate(sheetOrigin());
    painter.scale(double(device.width()) / logical.width(),
                  double(device.height()) / logical.height());
    OnDraw(painter, event->rect());
    painter.restore();
    if (!m_rubberBand.isEmpty()) {
        // Drawn in inverted colours, so it shows on any background.
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_rubberBand.adjusted(0, 0, -1, -1));
    }
}

void CZoomView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    recalcScrollBars();
}

void CZoomView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CZoomView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    const int notches = std::max(1, std::abs(delta) / wheelStep);
    for (int i = 0; i < notches && delta != 0; ++i)
        ZoomOutBy(std::nullopt, delta < 0 ? wheelOutFactor : wheelInFactor);
    event->accept();
}

void CZoomView::mousePressEvent(QMouseEvent *event)
{
    if (m_zoomMode == ZoomNone) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::RightButton) {
        if (m_captured)
            cancelRubberBand();
        else
            SetZoomTool(ZoomNone); // the prompt stays
        return;
    }
    if (event->button() == Qt::LeftButton && m_zoomMode == ZoomInTool) {
        m_captured = true;
        m_anchor = event->position().toPoint();
        m_rubberBand = QRect(m_anchor, m_anchor).normalized();
    }
}

void CZoomView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_captured) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QRect old = m_rubberBand;
    m_rubberBand = QRect(m_anchor, event->position().toPoint()).normalized();
    viewport()->update(old.united(m_rubberBand).adjusted(-2, -2, 2, 2));
}

void CZoomView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_zoomMode == ZoomNone) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF at = toLogical(event->position());
    if (m_zoomMode == ZoomOutTool) {
        ZoomOutBy(at, ZoomState::stepFactor);
        return;
    }
    if (!m_captured)
        return;
    const QRect band = QRect(m_anchor, event->position().toPoint()).normalized();
    cancelRubberBand();
    // The rectangle in scale-1.0 units (logical millimetres).
    const QPointF a = toLogical(band.topLeft());
    const QPointF b = toLogical(band.bottomRight());
    ZoomToRect(QRectF(a, b).normalized().toRect());
}

void CZoomView::cancelRubberBand()
{
    m_captured = false;
    if (!m_rubberBand.isEmpty())
        viewport()->update(m_rubberBand.adjusted(-2, -2, 2, 2));
    m_rubberBand = QRect();
}
