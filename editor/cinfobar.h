#pragma once

#include <QHash>
#include <QWidget>

class QLineEdit;

// The contents of the information bar: read-outs the views write into, each
// known by its control number (1042 the cursor's position in millimetres,
// 1043 its distance from the sheet's origin).
class CInfoBar : public QWidget
{
    Q_OBJECT
public:
    explicit CInfoBar(QWidget *parent = nullptr);

    void setText(int controlId, const QString &text);
    [[nodiscard]] QString text(int controlId) const;
    // Adds a read-out after the others; returns false when the number is taken.
    bool addReadout(int controlId, const QString &caption, int widthChars);

private:
    QHash<int, QLineEdit *> m_fields;
};
