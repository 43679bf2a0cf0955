#include "zoomstate.h"

#include <algorithm>
#include <cmath>

void ZoomState::setZoomExtent(QSize sheetMm)
{
    m_logical = QSize(std::max(1, sheetMm.width()), std::max(1, sheetMm.height()));
    updateDevice();
}

void ZoomState::updateDevice()
{
    m_device = QSize(static_cast<int>(m_logical.width() * m_scale),
                     static_cast<int>(m_logical.height() * m_scale));
}

QSize ZoomState::pageStep() const
{
    return {m_device.width() / 10, std::abs(m_device.height() / 10)};
}

QSize ZoomState::lineStep() const
{
    const QSize page = pageStep();
    return {page.width() / 10, std::abs(page.height() / 10)};
}

void ZoomState::setScaleUnclamped(float scale)
{
    if (!std::isfinite(scale) || scale <= 0.0f)
        return;
    m_scale = scale;
    updateDevice();
}

void ZoomState::zoomInBy(float factor)
{
    setScaleUnclamped(m_scale * factor);
}

void ZoomState::zoomOutBy(float factor)
{
    if (factor != 0.0f)
        setScaleUnclamped(m_scale / factor);
}

void ZoomState::setZoomScale(float scale)
{
    setScaleUnclamped(std::clamp(scale, minScale, maxScale));
}

void ZoomState::zoomFitSide(bool byWidth, QSize windowSize)
{
    const float s = byWidth ? float(windowSize.width()) / float(m_logical.width())
                            : float(windowSize.height()) / float(m_logical.height());
    setZoomScale(s);
}

void ZoomState::zoomFitPage(QSize clientSize)
{
    if (clientSize.width() <= 0 || clientSize.height() <= 0)
        return;
    const float r = float(m_logical.width()) / float(m_logical.height());
    const float p = float(clientSize.width()) / float(clientSize.height());
    QSize device = clientSize;
    if (p > r)
        device.setWidth(static_cast<int>(clientSize.height() * r));
    else if (p < r)
        device.setHeight(static_cast<int>(clientSize.width() / r));
    m_scale = float(device.width()) / float(m_logical.width());
    m_device = device;
}

ZoomState::RectZoom ZoomState::zoomToRect(const QRect &logicalRect, QSize clientSize,
                                          QPointF &centre)
{
    // Scale-1.0 device units equal logical units.
    const QRectF r = QRectF(logicalRect).normalized();
    centre = r.center();
    if (std::max(r.width(), r.height()) < 10.0) {
        zoomInBy(stepFactor);
        return RectZoom::ByFactor;
    }
    const double sx = r.width() > 0 ? (clientSize.width() + 1) / r.width() : 1e9;
    const double sy = r.height() > 0 ? (clientSize.height() + 1) / r.height() : 1e9;
    setScaleUnclamped(static_cast<float>(std::min(sx, sy)));
    return RectZoom::ToRect;
}

QPoint ZoomState::viewportOrigin(QPoint scrollPos, QSize clientSize) const
{
    QPoint origin = -scrollPos;
    if (m_centre && m_device.width() < clientSize.width())
        origin.setX((clientSize.width() - m_device.width()) / 2);
    if (m_centre && m_device.height() < clientSize.height())
        origin.setY((clientSize.height() - m_device.height()) / 2);
    return origin;
}

QPointF ZoomState::toLogical(QPointF clientPx, QPoint origin) const
{
    const double sx = double(m_device.width()) / m_logical.width();
    const double sy = double(m_device.height()) / m_logical.height();
    return {(clientPx.x() - origin.x()) / sx, (clientPx.y() - origin.y()) / sy};
}

QPointF ZoomState::toClient(QPointF logicalMm, QPoint origin) const
{
    const double sx = double(m_device.width()) / m_logical.width();
    const double sy = double(m_device.height()) / m_logical.height();
    return {logicalMm.x() * sx + origin.x(), logicalMm.y() * sy + origin.y()};
}

std::optional<int> parseCustomZoom(const QString &text, int currentPercent)
{
    const QString t = text.trimmed();
    QString digits;
    for (const QChar c : t) {
        if (c.isDigit() && c.unicode() < 128)
            digits += c;
    }
    // A long run of digits is out of range anyway; keep it from overflowing.
    const long long n =
        digits.isEmpty() ? 0 : (digits.size() > 9 ? 1000000000LL : digits.toLongLong());
    long long percent = n;
    if (t.startsWith(u'+'))
        percent = currentPercent + n;
    else if (t.startsWith(u'-'))
        percent = currentPercent - n;
    if (percent < 10 || percent > 600)
        return std::nullopt;
    return static_cast<int>(percent);
}

QString customZoomText(float scale)
{
    return QStringLiteral("%1 %").arg(static_cast<int>(scale * 100.0f));
}

PrintMapping printMapping(QSize sheetMm, QSize physicalPagePx, bool isPreview)
{
    return printMapping(sheetMm, physicalPagePx, isPreview ? 1.0 : 3.6);
}

PrintMapping printMapping(QSize sheetMm, QSize physicalPagePx, double divisor)
{
    if (!(divisor > 0.0))
        divisor = 1.0;
    int w = static_cast<int>(physicalPagePx.width() / divisor);
    int h = static_cast<int>(physicalPagePx.height() / divisor);
    PrintMapping m;
    if (sheetMm.height() <= 0 || h <= 0) {
        m.viewportExtent = {w, h};
        return m;
    }
    const float r = float(sheetMm.width()) / float(sheetMm.height());
    const float p = float(w) / float(h);
    if (p > r) {
        const int nw = static_cast<int>(h * r);
        m.viewportOrigin = {w - nw, 0};
        w = nw;
    } else if (p < r) {
        const int nh = static_cast<int>(w / r);
        m.viewportOrigin = {0, h - nh};
        h = nh;
    }
    m.viewportExtent = {w, h};
    return m;
}
