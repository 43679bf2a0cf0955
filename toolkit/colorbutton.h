#pragma once

#include "toolkit/toolkitglobal.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QToolButton>

namespace toolkit {

class ColorPopup;

// A button showing a colour that drops down a palette: a grid of colours in
// the given number of columns, optionally an "automatic" button above it,
// a titled row of the document's own colours below it and a button that
// opens the full colour dialog. color() is an invalid QColor while the
// automatic colour is chosen.
class TOOLKIT_EXPORT ColorButton : public QToolButton
{
    Q_OBJECT

public:
    explicit ColorButton(QWidget *parent = nullptr);

    // The palette's colours; an empty list gives the 40 standard colours.
    void setColors(const QList<QColor> &colors);
    [[nodiscard]] QList<QColor> colors() const { return m_colors; }
    void setColumnsNumber(int columns);
    [[nodiscard]] int columnsNumber() const { return m_columns; }
    // Names shown as tool tips on the swatches, for every colour button of
    // the program.
    static void setColorName(const QColor &color, const QString &name);
    [[nodiscard]] static QString colorName(const QColor &color);

    // The button below the palette that opens the colour dialog; an empty
    // label removes it.
    void enableOtherButton(const QString &label);
    [[nodiscard]] QString otherButtonLabel() const { return m_otherLabel; }
    // The button above the palette that chooses `automatic`; an empty label
    // removes it.
    void enableAutomaticButton(const QString &label, const QColor &automatic);
    [[nodiscard]] QString automaticButtonLabel() const { return m_automaticLabel; }
    [[nodiscard]] QColor automaticColor() const { return m_automatic; }
    // A row of colours used in the document, under its own title; an empty
    // list removes the row.
    void setDocumentColors(const QString &title, const QList<QColor> &colors);
    [[nodiscard]] QList<QColor> documentColors() const { return m_documentColors; }

    // An invalid colour selects the automatic colour.
    void setColor(const QColor &color);
    [[nodiscard]] QColor color() const { return m_color; }
    [[nodiscard]] bool isAutomatic() const { return !m_color.isValid(); }
    // The colour the button shows: the automatic colour while that is chosen.
    [[nodiscard]] QColor effectiveColor() const;

    // Opens the palette under the button.
    void showPalette();
    // Opens the colour dialog as the "other colours" button does; returns
    // whether a colour was chosen.
    bool chooseOtherColor();

    [[nodiscard]] static QList<QColor> standardColors();

signals:
    // The user chose a colour (invalid: the automatic one).
    void colorChosen(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    friend class ColorPopup;
    void choose(const QColor &color);

    QList<QColor> m_colors;
    int m_columns = 8;
    QString m_otherLabel;
    QString m_automaticLabel;
    QColor m_automatic = Qt::black;
    QString m_documentTitle;
    QList<QColor> m_documentColors;
    QColor m_color = Qt::black;
};

} // namespace toolkit
