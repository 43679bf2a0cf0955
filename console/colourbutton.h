#pragma once

#include <QColor>
#include <QList>
#include <QToolButton>

class QMenu;

// A button that shows a colour and drops down a picker: an "automatic"
// colour, a palette of named colours in columns, a titled row of document
// colours and a button for any other colour.
class ColourButton : public QToolButton
{
    Q_OBJECT

public:
    struct NamedColour
    {
        QString name;
        QColor colour;
    };

    explicit ColourButton(QWidget *parent = nullptr);

    void setPalette(const QList<NamedColour> &colours, int columns);
    void setDocumentColours(const QString &title, const QList<QColor> &colours);
    void enableAutomaticButton(const QString &label, const QColor &colour);
    void enableOtherButton(const QString &label);

    [[nodiscard]] QColor colour() const { return m_colour; }
    // The picker; built again whenever its content changes.
    [[nodiscard]] QMenu *picker() const { return m_menu; }

    // Takes a colour as if the user had picked it.
    void choose(const QColor &colour);

signals:
    void colourChosen(const QColor &colour);

private:
    void rebuild();
    void updateSwatch();
    void chooseOther();

    QMenu *m_menu;
    QColor m_colour = Qt::black;
    QList<NamedColour> m_palette;
    int m_columns = 8;
    QString m_documentTitle;
    QList<QColor> m_documentColours;
    QString m_automaticLabel;
    QColor m_automaticColour;
    QString m_otherLabel;
};
