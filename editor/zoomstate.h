#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// The mapping of a plan view from sheet millimetres to device pixels and the
// arithmetic of every zoom operation. At scale 1.0 one millimetre is one
// pixel; the current device size is the sheet size times the scale, each side
// truncated. The widget (CZoomView) holds one of these and only adds
// scrolling and painting.
class ZoomState
{
public:
    static constexpr float minScale = 0.2f;
    static constexpr float maxScale = 6.0f;
    static constexpr float stepFactor = 1.25f;

    // Fixes the logical size (the sheet, mm); the scale stays.
    void setZoomExtent(QSize sheetMm);
    [[nodiscard]] QSize logicalSize() const { return m_logical; }
    [[nodiscard]] QSize deviceSize() const { return m_device; }
    [[nodiscard]] float scale() const { return m_scale; }

    // Page and line scroll steps: a tenth of the device size, and a tenth of
    // that (integer division, per axis).
    [[nodiscard]] QSize pageStep() const;
    [[nodiscard]] QSize lineStep() const;

    // Scale times or divided by the factor; no clamp on this path.
    void zoomInBy(float factor);
    void zoomOutBy(float factor);
    // The scale, clamped to 0.2 .. 6.0.
    void setZoomScale(float scale);
    // Scale = window width / sheet width (or heights), then clamped.
    void zoomFitSide(bool byWidth, QSize windowSize);
    // Shrinks one side of the client size to the sheet's proportions and
    // makes that the device size.
    void zoomFitPage(QSize clientSize);
    void zoomActualSize() { setScaleUnclamped(1.0f); }

    enum class RectZoom
    {
        ByFactor,
        ToRect
    };
    // Zooms so that the logical rectangle fills the client area; a rectangle
    // whose larger side is under 10 device units zooms by 1.25 instead.
    // `centre` receives the logical point to put in the middle.
    RectZoom zoomToRect(const QRect &logicalRect, QSize clientSize, QPointF &centre);

    // Top-left of the sheet in the client area for a scroll position: minus
    // the scroll position, or centred on an axis where the sheet is smaller
    // than the client area.
    [[nodiscard]] QPoint viewportOrigin(QPoint scrollPos, QSize clientSize) const;
    // Logical mm of a client pixel, and the reverse.
    [[nodiscard]] QPointF toLogical(QPointF clientPx, QPoint origin) const;
    [[nodiscard]] QPointF toClient(QPointF logicalMm, QPoint origin) const;

    [[nodiscard]] bool centreFlag() const { return m_centre; }
    void setCentreFlag(bool centre) { m_centre = centre; }

private:
    void setScaleUnclamped(float scale);
    void updateDevice();

    QSize m_logical{210, 297};
    QSize m_device{210, 297};
    float m_scale = 1.0f;
    bool m_centre = true;
};

// The custom zoom dialog's entry: "+n" adds the digits to the current
// percentage, "-n" subtracts them, anything else takes its digits as the
// new percentage. An entry outside 10 .. 600 is refused (nullopt).
[[nodiscard]] std::optional<int> parseCustomZoom(const QString &text, int currentPercent);
// The text the dialog shows for a scale: the percentage truncated, then " %".
[[nodiscard]] QString customZoomText(float scale);

// The print mapping: the viewport size and origin that keep the sheet's
// proportions on a page of `physicalPagePx`. A printer divides its page by
// 3.6; print preview (a window) does not. The whole difference of the
// shortened side goes to the origin offset.
struct PrintMapping
{
    QSize viewportExtent;
    QPoint viewportOrigin;
};
[[nodiscard]] PrintMapping printMapping(QSize sheetMm, QSize physicalPagePx, bool isPreview);
// The same with the divisor that turns the device's pixels into the units
// the page is laid out in.
[[nodiscard]] PrintMapping printMapping(QSize sheetMm, QSize physicalPagePx, double divisor);
