#pragma once

#include <QWidget>

class QTimer;

// The looping animations of the progress dialogs, drawn frame by frame:
// a magnifier going over a folder while the files are counted, sheets
// flying from folder to folder while they are copied, a magnifier going
// down a list while the installation is checked.
class CopyAnimation : public QWidget
{
    Q_OBJECT

public:
    enum class Kind
    {
        Searching, // 146
        Copying,   // 145
        Checking   // 155
    };

    explicit CopyAnimation(Kind kind, QWidget *parent = nullptr);

    void setKind(Kind kind);
    [[nodiscard]] Kind kind() const { return m_kind; }
    [[nodiscard]] QSize sizeHint() const override { return {272, 64}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void paintFolder(QPainter &p, const QRectF &r) const;
    void paintSheet(QPainter &p, const QRectF &r) const;

    Kind m_kind;
    int m_frame = 0;
    QTimer *m_timer;
};
