#include "editor/editingui.h"

#include "toolkit/colorbutton.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include <cmath>

namespace editingui {

QDialogButtonBox *addOkCancel(QDialog *dialog, QBoxLayout *layout)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QDialog::tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QDialog::tr("Annulla"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return buttons;
}

toolkit::ColorButton *colorButton(QWidget *parent, const QString &objectName)
{
    auto *button = new toolkit::ColorButton(parent);
    button->setObjectName(objectName);
    button->enableOtherButton(QWidget::tr("Altri colori..."));
    button->setMinimumWidth(64);
    return button;
}

QColor rgbColor(quint32 argb)
{
    return QColor::fromRgb((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

quint32 argb(const QColor &color, int alpha)
{
    const QColor c = color.isValid() ? color : QColor(Qt::black);
    return (static_cast<quint32>(alpha & 0xFF) << 24) | (static_cast<quint32>(c.red()) << 16) |
           (static_cast<quint32>(c.green()) << 8) | static_cast<quint32>(c.blue());
}

bool readNumber(const QString &text, double &value)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

} // namespace editingui
