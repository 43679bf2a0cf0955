#include "colorbutton.h"

#include "platform/messagebox.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionToolButton>
#include <QVBoxLayout>

namespace toolkit {

namespace {

constexpr int swatchSize = 18;

QHash<QRgb, QString> &colorNames()
{
    static QHash<QRgb, QString> names;
    return names;
}

QIcon swatchIcon(const QColor &color, QSize size = QSize(14, 14))
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return QIcon(pixmap);
}

QString tipFor(const QColor &color)
{
    const QString name = ColorButton::colorName(color);
    if (!name.isEmpty())
        return name;
    return QStringLiteral("RGB(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

} // namespace

// The drop-down palette of a colour button.
class ColorPopup : public QFrame
{
public:
    explicit ColorPopup(ColorButton &button) : QFrame(&button, Qt::Popup), m_button(button)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setFrameShape(QFrame::StyledPanel);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->setSpacing(4);
        if (!button.m_automaticLabel.isEmpty()) {
            auto *automatic =
                new QPushButton(swatchIcon(button.m_automatic), button.m_automaticLabel, this);
            automatic->setObjectName(QStringLiteral("automatic"));
            automatic->setCheckable(true);
            automatic->setChecked(button.isAutomatic());
            automatic->setFlat(!button.isAutomatic());
            connect(automatic, &QPushButton::clicked, this, [this] { pick(QColor()); });
            layout->addWidget(automatic);
        }
        layout->addLayout(grid(button.m_colors, QStringLiteral("palette")));
        if (!button.m_documentColors.isEmpty()) {
            auto *title = new QLabel(button.m_documentTitle, this);
            title->setObjectName(QStringLiteral("documentTitle"));
            layout->addWidget(title);
            layout->addLayout(grid(button.m_documentColors, QStringLiteral("document")));
        }
        if (!button.m_otherLabel.isEmpty()) {
            auto *other = new QPushButton(button.m_otherLabel, this);
            other->setObjectName(QStringLiteral("other"));
            other->setFlat(true);
            connect(other, &QPushButton::clicked, this, [this] {
                ColorButton &b = m_button;
                close();
                b.chooseOtherColor();
            });
            layout->addWidget(other);
        }
    }

private:
    QGridLayout *grid(const QList<QColor> &colors, const QString &name)
    {
        auto *layout = new QGridLayout;
        layout->setSpacing(2);
        const int columns = std::max(1, m_button.m_columns);
        for (qsizetype i = 0; i < colors.size(); ++i) {
            const QColor color = colors[i];
            auto *swatch = new QToolButton(this);
            swatch->setObjectName(QStringLiteral("%1-%2").arg(name).arg(i));
            swatch->setAutoRaise(true);
            swatch->setCheckable(true);
            swatch->setChecked(color == m_button.m_color);
            swatch->setIcon(swatchIcon(color));
            swatch->setFixedSize(swatchSize + 4, swatchSize + 4);
            swatch->setToolTip(tipFor(color));
            connect(swatch, &QToolButton::clicked, this, [this, color] { pick(color); });
            layout->addWidget(swatch, int(i) / columns, int(i) % columns);
        }
        // A short row stays at the left instead of spreading out.
        layout->setColumnStretch(columns, 1);
        return layout;
    }

    void pick(const QColor &color)
    {
        ColorButton &b = m_button;
        close();
        b.choose(color);
    }

    ColorButton &m_button;
};

ColorButton::ColorButton(QWidget *parent) : QToolButton(parent), m_colors(standardColors())
{
    setPopupMode(QToolButton::InstantPopup);
    setMinimumSize(48, 22);
    connect(this, &QToolButton::clicked, this, &ColorButton::showPalette);
}

QList<QColor> ColorButton::standardColors()
{
    static const QList<QColor> colors = [] {
        QList<QColor> list;
        for (const QRgb rgb :
             {0x000000u, 0x993300u, 0x333300u, 0x003300u, 0x003366u, 0x000080u, 0x333399u,
              0x333333u, 0x800000u, 0xFF6600u, 0x808000u, 0x008000u, 0x008080u, 0x0000FFu,
              0x666699u, 0x808080u, 0xFF0000u, 0xFF9900u, 0x99CC00u, 0x339966u, 0x33CCCCu,
              0x3366FFu, 0x800080u, 0x999999u, 0xFF00FFu, 0xFFCC00u, 0xFFFF00u, 0x00FF00u,
              0x00FFFFu, 0x00CCFFu, 0x993366u, 0xC0C0C0u, 0xFF99CCu, 0xFFCC99u, 0xFFFF99u,
              0xCCFFCCu, 0xCCFFFFu, 0x99CCFFu, 0xCC99FFu, 0xFFFFFFu})
            list.append(QColor::fromRgb(rgb));
        return list;
    }();
    return colors;
}

void ColorButton::setColors(const QList<QColor> &colors)
{
    m_colors = colors.isEmpty() ? standardColors() : colors;
}

void ColorButton::setColumnsNumber(int columns)
{
    m_columns = std::max(1, columns);
}

void ColorButton::setColorName(const QColor &color, const QString &name)
{
    colorNames().insert(color.rgb(), name);
}

QString ColorButton::colorName(const QColor &color)
{
    return colorNames().value(color.rgb());
}

void ColorButton::enableOtherButton(const QString &label)
{
    m_otherLabel = label;
}

void ColorButton::enableAutomaticButton(const QString &label, const QColor &automatic)
{
    m_automaticLabel = label;
    m_automatic = automatic;
    update();
}

void ColorButton::setDocumentColors(const QString &title, const QList<QColor> &colors)
{
    m_documentTitle = title;
    m_documentColors = colors;
}

void ColorButton::setColor(const QColor &color)
{
    m_color = color;
    setToolTip(color.isValid() ? tipFor(color) : m_automaticLabel);
    update();
}

QColor ColorButton::effectiveColor() const
{
    return m_color.isValid() ? m_color : m_automatic;
}

void ColorButton::showPalette()
{
    auto *popup = new ColorPopup(*this);
    popup->adjustSize();
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
}

bool ColorButton::chooseOtherColor()
{
    QColorDialog dialog(effectiveColor(), this);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return false;
    choose(dialog.currentColor());
    return true;
}

void ColorButton::choose(const QColor &color)
{
    setColor(color);
    emit colorChosen(color);
}

void ColorButton::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    QPainter painter(this);
    QRect swatch = rect().adjusted(5, 5, -17, -5);
    painter.fillRect(swatch, effectiveColor());
    painter.setPen(isEnabled() ? palette().color(QPalette::WindowText)
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    // The drop-down arrow.
    const QPoint c(rect().right() - 8, rect().center().y());
    const QPoint arrow[3] = {c + QPoint(-3, -1), c + QPoint(3, -1), c + QPoint(0, 2)};
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(arrow, 3);
}

} // namespace toolkit
