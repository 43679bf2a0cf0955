#pragma once

#include "toolkit/toolkitglobal.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QToolButton;

namespace toolkit {

// A list of texts under a caption, with small buttons to add a new item
// (which opens for editing), delete the current one and move it up or down.
// Insert and Delete do the same from the keyboard; F2 or a double-click
// edits an item.
class TOOLKIT_EXPORT EditListBox : public QWidget
{
    Q_OBJECT

public:
    enum Button
    {
        NewButton = 0x1,
        DeleteButton = 0x2,
        UpButton = 0x4,
        DownButton = 0x8,
        AllButtons = NewButton | DeleteButton | UpButton | DownButton
    };

    explicit EditListBox(QWidget *parent = nullptr, int buttons = AllButtons);

    void setCaption(const QString &caption);
    [[nodiscard]] QString caption() const;

    [[nodiscard]] int count() const;
    [[nodiscard]] QString itemText(int index) const;
    void setItemText(int index, const QString &text);
    // Inserts at `index` (-1: at the end); returns the index.
    int addItem(const QString &text, int index = -1);
    void removeItem(int index);
    void clear();
    [[nodiscard]] QStringList items() const;
    void setItems(const QStringList &items);

    [[nodiscard]] int currentIndex() const;
    void setCurrentIndex(int index);

    // Enables or disables one of the buttons (and its key).
    void setButtonEnabled(Button button, bool enabled);

    // What the buttons do, callable directly.
    void newItem();
    void deleteCurrent();
    void moveCurrent(int delta);

    [[nodiscard]] QListWidget *listWidget() const { return m_list; }

signals:
    void itemAdded(int index);
    void itemRemoved(int index);
    void itemRenamed(int index);
    void itemMoved(int from, int to);
    void currentChanged(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateButtons();

    QLabel *m_caption;
    QListWidget *m_list;
    QToolButton *m_new = nullptr;
    QToolButton *m_delete = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    bool m_filling = false;
    int m_disabledButtons = 0;
};

} // namespace toolkit
