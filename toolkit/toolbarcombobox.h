#pragma once

#include "toolkit/toolkitglobal.h"

#include <QComboBox>
#include <QFontComboBox>

namespace toolkit {

// A combo box for a toolbar whose items stand for commands: choosing an item
// gives its command to the frame of the window the box is in.
class TOOLKIT_EXPORT ToolBarComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ToolBarComboBox(QWidget *parent = nullptr);

    // An item that gives `commandId` when chosen (0: no command).
    void addCommandItem(const QString &text, int commandId);
    [[nodiscard]] int commandAt(int index) const;

signals:
    // After the item's command went to the frame (or would have, when the
    // box lies in no frame).
    void commandChosen(int commandId);
};

// The sizes of a font: the sizes the font offers, or the usual ones, and any
// size typed in (1 to 1638 points).
class TOOLKIT_EXPORT FontSizeComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit FontSizeComboBox(QWidget *parent = nullptr);

    void setFontFamily(const QString &family);
    // 0 when the text is not a valid size.
    [[nodiscard]] double pointSize() const;
    void setPointSize(double size);

signals:
    void pointSizeChosen(double size);
};

// The fonts of the system, each shown in its own face; a size box paired with
// it follows the chosen font.
class TOOLKIT_EXPORT FontComboBox : public QFontComboBox
{
    Q_OBJECT

public:
    explicit FontComboBox(QWidget *parent = nullptr);
    void setSizeComboBox(FontSizeComboBox *sizes);
};

} // namespace toolkit
