#include "fieldview.h"

#include "tilepictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

using game::TileGrid;

namespace {

constexpr int cellPx = TileGrid::cellSizePx;
constexpr int fieldPx = TileGrid::fieldSize * cellPx;
const QColor wellColour(0x40, 0x40, 0x40);

QPoint cellOrigin(int col, int row)
{
    return {(col - 1) * cellPx, (row - 1) * cellPx};
}

} // namespace

FieldView::FieldView(const game::GameSession &session, const TilePictures &pictures,
                     QWidget *parent)
    : QWidget(parent), m_session(session), m_pictures(pictures)
{
    setFixedSize(fieldPx, fieldPx);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldView::showGrid()
{
    m_frozen.reset();
    m_wiped.clear();
    update();
}

void FieldView::showWipe(const TileGrid &before, const std::vector<game::CellPos> &wiped)
{
    m_frozen = before;
    m_wiped = wiped;
    update();
}

void FieldView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), wellColour);
    const TileGrid &grid = m_frozen ? *m_frozen : m_session.grid();
    for (int row = 1; row <= TileGrid::fieldSize; ++row) {
        for (int col = 1; col <= TileGrid::fieldSize; ++col) {
            const QPixmap &picture = m_pictures.cellPicture(grid.cell(col, row));
            if (!picture.isNull())
                p.drawPixmap(cellOrigin(col, row), picture);
        }
    }
    for (const game::CellPos &pos : m_wiped) {
        const QPoint origin = cellOrigin(pos.col, pos.row);
        p.fillRect(QRect(origin, QSize(cellPx, cellPx)), wellColour);
        p.drawPixmap(origin, m_pictures.tile(TilePictures::sparkle));
    }
    const QPixmap &banner = m_pictures.banner(m_session.banner());
    if (!banner.isNull()) {
        const QSizeF size = banner.deviceIndependentSize();
        p.drawPixmap(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), banner);
    }
}

void FieldView::mouseReleaseEvent(QMouseEvent *event)
{
    // The button may come up outside the well after it went down inside.
    if (rect().contains(event->position().toPoint()))
        emit released(event->position());
}

PreviewRow::PreviewRow(const game::GameSession &session, const TilePictures &pictures,
                       QWidget *parent)
    : QWidget(parent), m_session(session), m_pictures(pictures)
{
    setFixedSize(fieldPx, cellPx);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int slot = 1; slot <= TileGrid::fieldSize; ++slot) {
        const int cell = m_session.grid().previewCell(slot);
        const QPixmap &picture =
            cell == 0 ? m_pictures.tile(TilePictures::emptySlot) : m_pictures.cellPicture(cell);
        const QPoint origin((slot - 1) * cellPx, 0);
        p.fillRect(QRect(origin, QSize(cellPx, cellPx)), wellColour);
        p.drawPixmap(origin, picture);
    }
}

FloatLabel::FloatLabel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FloatLabel::setText(const QString &text)
{
    m_text = text;
    const QFontMetrics metrics(font());
    // At least the label's first size, 81 x 14.
    resize(std::max(81, metrics.horizontalAdvance(text) + 4), std::max(14, metrics.height() + 2));
    update();
}

void FloatLabel::setGrey(int grey)
{
    if (grey == m_grey)
        return;
    m_grey = grey;
    update();
}

void FloatLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    QPainterPath path;
    path.addText(QPointF(2, 1 + metrics.ascent()), font(), m_text);
    p.setPen(QPen(QColor(0, 0, 0, 190), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.fillPath(path, QColor(m_grey, m_grey, m_grey));
}
