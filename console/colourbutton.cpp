#include "colourbutton.h"

#include "platform/messagebox.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace {

QIcon swatch(const QColor &colour, int size = 14)
{
    QPixmap pix(size, size);
    pix.fill(colour);
    QPainter p(&pix);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(0, 0, size - 1, size - 1);
    return QIcon(pix);
}

} // namespace

ColourButton::ColourButton(QWidget *parent) : QToolButton(parent), m_menu(new QMenu(this))
{
    setPopupMode(QToolButton::InstantPopup);
    setMenu(m_menu);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(36, 14));
    updateSwatch();
    rebuild();
}

void ColourButton::setPalette(const QList<NamedColour> &colours, int columns)
{
    m_palette = colours;
    m_columns = qMax(1, columns);
    rebuild();
}

void ColourButton::setDocumentColours(const QString &title, const QList<QColor> &colours)
{
    m_documentTitle = title;
    m_documentColours = colours;
    rebuild();
}

void ColourButton::enableAutomaticButton(const QString &label, const QColor &colour)
{
    m_automaticLabel = label;
    m_automaticColour = colour;
    rebuild();
}

void ColourButton::enableOtherButton(const QString &label)
{
    m_otherLabel = label;
    rebuild();
}

void ColourButton::choose(const QColor &colour)
{
    m_menu->close();
    m_colour = colour;
    updateSwatch();
    emit colourChosen(colour);
}

void ColourButton::updateSwatch()
{
    QPixmap pix(36, 14);
    pix.fill(m_colour);
    QPainter p(&pix);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(0, 0, 35, 13);
    setIcon(QIcon(pix));
}

void ColourButton::chooseOther()
{
    m_menu->close();
    QColorDialog dialog(m_colour, this);
    dialog.setWindowTitle(m_otherLabel.isEmpty() ? tr("Colori")
                                                 : QString(m_otherLabel).remove(u'&'));
    if (platform::ui::execDialog(dialog) == QDialog::Accepted && dialog.selectedColor().isValid())
        choose(dialog.selectedColor());
}

void ColourButton::rebuild()
{
    m_menu->clear();
    auto *panel = new QWidget(m_menu);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    const auto wideButton = [this, panel](const QString &text, const QIcon &icon) {
        auto *b = new QPushButton(icon, text, panel);
        b->setFlat(true);
        b->setObjectName(QString(text).remove(u'&'));
        return b;
    };

    if (!m_automaticLabel.isEmpty()) {
        QPushButton *automatic = wideButton(m_automaticLabel, swatch(m_automaticColour));
        connect(automatic, &QPushButton::clicked, this, [this] { choose(m_automaticColour); });
        layout->addWidget(automatic);
    }

    const auto swatchButton = [this, panel](const QString &name, const QColor &colour) {
        auto *b = new QToolButton(panel);
        b->setIcon(swatch(colour));
        b->setIconSize(QSize(14, 14));
        b->setAutoRaise(true);
        b->setToolTip(name);
        b->setObjectName(name);
        connect(b, &QToolButton::clicked, this, [this, colour] { choose(colour); });
        return b;
    };

    auto *grid = new QGridLayout;
    grid->setSpacing(1);
    for (int i = 0; i < m_palette.size(); ++i)
        grid->addWidget(swatchButton(m_palette[i].name, m_palette[i].colour), i / m_columns,
                        i % m_columns);
    layout->addLayout(grid);

    if (!m_documentColours.isEmpty()) {
        auto *title = new QLabel(m_documentTitle, panel);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        layout->addWidget(title);
        auto *row = new QHBoxLayout;
        row->setSpacing(1);
        for (const QColor &c : m_documentColours)
            row->addWidget(swatchButton(c.name(), c));
        row->addStretch();
        layout->addLayout(row);
    }

    if (!m_otherLabel.isEmpty()) {
        QPushButton *other = wideButton(m_otherLabel, QIcon());
        connect(other, &QPushButton::clicked, this, &ColourButton::chooseOther);
        layout->addWidget(other);
    }

    auto *action = new QWidgetAction(m_menu);
    action->setDefaultWidget(panel);
    m_menu->addAction(action);
}
