#include "toolbarcombobox.h"

#include "mdiframe.h"

#include <QFontDatabase>
#include <QLineEdit>

namespace toolkit {

namespace {

constexpr double minPointSize = 1;
constexpr double maxPointSize = 1638;

} // namespace

ToolBarComboBox::ToolBarComboBox(QWidget *parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QComboBox::activated, this, [this](int index) {
        const int id = commandAt(index);
        if (id == 0)
            return;
        // The frame is found when the item is chosen: the box may have moved
        // to another toolbar or a floating window since.
        for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
            if (auto *frame = qobject_cast<MdiFrame *>(w)) {
                frame->routeCommand(id);
                break;
            }
        }
        emit commandChosen(id);
    });
}

void ToolBarComboBox::addCommandItem(const QString &text, int commandId)
{
    addItem(text, commandId);
}

int ToolBarComboBox::commandAt(int index) const
{
    return itemData(index).toInt();
}

FontSizeComboBox::FontSizeComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setFontFamily(QString());
    connect(this, &QComboBox::activated, this, [this] {
        if (const double size = pointSize(); size > 0)
            emit pointSizeChosen(size);
    });
    connect(lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (const double size = pointSize(); size > 0)
            emit pointSizeChosen(size);
    });
}

void FontSizeComboBox::setFontFamily(const QString &family)
{
    const QString current = currentText();
    QList<int> sizes = family.isEmpty() ? QList<int>() : QFontDatabase::pointSizes(family);
    if (sizes.isEmpty())
        sizes = QFontDatabase::standardSizes();
    clear();
    for (int size : sizes)
        addItem(QString::number(size));
    setEditText(current);
}

double FontSizeComboBox::pointSize() const
{
    bool ok = false;
    const double size = locale().toDouble(currentText().trimmed(), &ok);
    if (!ok || size < minPointSize || size > maxPointSize)
        return 0;
    return size;
}

void FontSizeComboBox::setPointSize(double size)
{
    setEditText(locale().toString(size, 'g', 4));
}

FontComboBox::FontComboBox(QWidget *parent) : QFontComboBox(parent)
{
}

void FontComboBox::setSizeComboBox(FontSizeComboBox *sizes)
{
    if (!sizes)
        return;
    sizes->setFontFamily(currentFont().family());
    connect(this, &QFontComboBox::currentFontChanged, sizes,
            [sizes](const QFont &font) { sizes->setFontFamily(font.family()); });
}

} // namespace toolkit
