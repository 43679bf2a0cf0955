#pragma once

#include "fieldrules.h"
#include "gamesession.h"
#include "tilegrid.h"

#include <QWidget>

#include <optional>
#include <vector>

class TilePictures;

// The well: 12x12 cells of 24 pixels on dark grey, with the banner of the
// moment over it. Right after a click it keeps showing the field as it was,
// with a sparkle on every removed cell, until showGrid() is called.
class FieldView : public QWidget
{
    Q_OBJECT
public:
    FieldView(const game::GameSession &session, const TilePictures &pictures,
              QWidget *parent = nullptr);

    void showGrid();
    void showWipe(const game::TileGrid &before, const std::vector<game::CellPos> &wiped);
    [[nodiscard]] bool isShowingWipe() const { return m_frozen.has_value(); }

signals:
    // A mouse button was released over the well; pixels of the well.
    void released(QPointF pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const game::GameSession &m_session;
    const TilePictures &m_pictures;
    std::optional<game::TileGrid> m_frozen;
    std::vector<game::CellPos> m_wiped;
};

// The preview row under the well: slots 1-12, the empty ones grey with a dot.
class PreviewRow : public QWidget
{
    Q_OBJECT
public:
    PreviewRow(const game::GameSession &session, const TilePictures &pictures,
               QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const game::GameSession &m_session;
    const TilePictures &m_pictures;
};

// The floating points text: its colour with a thin dark rim, so that it reads
// over tiles of any colour.
class FloatLabel : public QWidget
{
    Q_OBJECT
public:
    explicit FloatLabel(QWidget *parent = nullptr);
    void setText(const QString &text);
    void setGrey(int grey);
    [[nodiscard]] const QString &text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    int m_grey = 255;
};
