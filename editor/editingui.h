#pragma once

#include <QColor>
#include <QString>

class QBoxLayout;
class QDialog;
class QDialogButtonBox;
class QWidget;

namespace toolkit {
class ColorButton;
}

// Small pieces the editing dialogs share.
namespace editingui {

// "OK" and "Annulla" at the foot of a dialog, wired to accept and reject.
QDialogButtonBox *addOkCancel(QDialog *dialog, QBoxLayout *layout);

// A colour button with the standard palette and "Altri colori...".
toolkit::ColorButton *colorButton(QWidget *parent, const QString &objectName);

// ARGB (0xAARRGGBB) to the colour a button shows (alpha dropped), and back
// with the given alpha.
[[nodiscard]] QColor rgbColor(quint32 argb);
[[nodiscard]] quint32 argb(const QColor &color, int alpha = 255);

// Reads a decimal number typed with a point or a comma; false when the text
// is not one.
[[nodiscard]] bool readNumber(const QString &text, double &value);

} // namespace editingui
