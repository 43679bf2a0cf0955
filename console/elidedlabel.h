#pragma once

#include <QLabel>

// A label that shortens its text with an ellipsis in the middle to fit its
// width, as paths are shortened; the whole text stays in the tool tip.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    [[nodiscard]] QString fullText() const { return m_text; }
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_text;
};
