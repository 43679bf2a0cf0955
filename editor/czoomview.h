#pragma once

#include "editor/zoomstate.h"

#include <QAbstractScrollArea>
#include <QCursor>

#include <optional>

class QPainter;

// A scrolling view of a sheet measured in millimetres that zooms. One
// logical unit is one millimetre; at scale 1.0 it is one pixel. When the
// sheet is smaller than the window it is centred. The zoom-in and zoom-out
// tools zoom where the user clicks; the zoom-in tool also zooms onto a
// rectangle dragged open. Ctrl and the wheel zoom about the centre.
class CZoomView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    enum ZoomMode
    {
        ZoomNone = 0,
        ZoomInTool = 1,
        ZoomOutTool = 2
    };

    explicit CZoomView(QWidget *parent = nullptr);
    ~CZoomView() override;

    // The logical size (the sheet, mm); zero page and line sizes become a
    // tenth of the zoomed size and a tenth of that.
    void SetZoomExtent(QSize sheetMm, QSize pageSize = {}, QSize lineSize = {});
    // Zooms so that the logical rectangle fills the window; a rectangle
    // smaller than 10 pixels at scale 1.0 zooms in by 1.25 about its centre.
    void ZoomToRect(const QRect &logicalRect);
    // Multiplies or divides the scale and puts the point (or the point at the
    // window's centre) in the middle. No limits on this path.
    void ZoomInBy(std::optional<QPointF> logicalPoint, float factor);
    void ZoomOutBy(std::optional<QPointF> logicalPoint, float factor);
    void ZoomFitPage();
    void ZoomActualSize();
    // The scale, kept within 0.2 and 6.0.
    void SetZoomScale(float scale);
    // Scale = the window's width over the sheet's width (or the heights).
    void ZoomFitSide(bool byWidth, QSize windowSize);
    void SetZoomTool(int mode);
    [[nodiscard]] int GetZoomTool() const { return m_zoomMode; }

    [[nodiscard]] float zoomScale() const { return m_zoom.scale(); }
    [[nodiscard]] const ZoomState &zoomState() const { return m_zoom; }
    [[nodiscard]] QPoint scrollPosition() const;
    // Where the sheet's top-left corner lies in the window.
    [[nodiscard]] QPoint sheetOrigin() const;
    // Window pixels to sheet millimetres and back.
    [[nodiscard]] QPointF toLogical(QPointF windowPx) const;
    [[nodiscard]] QPointF toWindow(QPointF logicalMm) const;
    // The sheet's rectangle in window pixels.
    [[nodiscard]] QRect sheetRectInWindow() const;

signals:
    void zoomChanged(float scale);

protected:
    // Called after every change of scale.
    virtual void OnZoomChanged();
    // Paints the window; the painter maps sheet millimetres to pixels.
    virtual void OnDraw(QPainter &painter, const QRect &dirtyWindowRect) = 0;
    // The status-bar prompt of the zoom tools; empty clears it.
    virtual void showPrompt(const QString &prompt);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    // Whether the zoom tools have the mouse (a zoom tool is on).
    [[nodiscard]] bool zoomToolActive() const { return m_zoomMode != ZoomNone; }
    // Sets the cursor for the current mode; the view calls it when the mode changes.
    virtual void updateCursor();

private:
    void recalcScrollBars();
    void centreOn(QPointF logicalPoint);
    void afterZoom(std::optional<QPointF> centre);
    [[nodiscard]] QPointF windowCentreLogical() const;
    void cancelRubberBand();

    ZoomState m_zoom;
    QSize m_pageStep;
    QSize m_lineStep;
    int m_zoomMode = ZoomNone;
    bool m_captured = false;
    QPoint m_anchor;
    QRect m_rubberBand; // window pixels, normalised; empty when none shows
    QCursor m_zoomCursor;
};
