#include "editlistbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

EditListBox::EditListBox(const QString &title, QWidget *parent)
    : QWidget(parent), m_list(new QListWidget(this)), m_new(new QToolButton(this)),
      m_delete(new QToolButton(this))
{
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::SelectedClicked);
    m_list->setAlternatingRowColors(true);

    m_new->setObjectName(QStringLiteral("new"));
    m_new->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_new->setToolTip(tr("Nuovo (Ins)"));
    m_new->setAutoRaise(true);
    m_delete->setObjectName(QStringLiteral("delete"));
    m_delete->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    m_delete->setToolTip(tr("Elimina (Canc)"));
    m_delete->setAutoRaise(true);
    m_delete->setEnabled(false);
    connect(m_new, &QToolButton::clicked, this, &EditListBox::addItem);
    connect(m_delete, &QToolButton::clicked, this, &EditListBox::deleteSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_delete->setEnabled(!m_list->selectedItems().isEmpty()); });
    auto *insert = new QShortcut(QKeySequence(Qt::Key_Insert), m_list);
    insert->setContext(Qt::WidgetShortcut);
    connect(insert, &QShortcut::activated, this, &EditListBox::addItem);
    auto *remove = new QShortcut(QKeySequence::Delete, m_list);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &EditListBox::deleteSelected);

    auto *caption = new QLabel(title, this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    auto *header = new QHBoxLayout;
    header->addWidget(caption, 1);
    header->addWidget(m_new);
    header->addWidget(m_delete);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(header);
    layout->addWidget(m_list);
}

void EditListBox::setItems(const QStringList &items)
{
    m_list->clear();
    for (const QString &text : items) {
        auto *item = new QListWidgetItem(text, m_list);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

QStringList EditListBox::items() const
{
    QStringList out;
    out.reserve(m_list->count());
    for (int i = 0; i < m_list->count(); ++i)
        out.append(m_list->item(i)->text());
    return out;
}

void EditListBox::addItem()
{
    auto *item = new QListWidgetItem(QString(), m_list);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_list->setCurrentItem(item);
    m_list->editItem(item);
}

void EditListBox::deleteSelected()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    for (QListWidgetItem *item : selected)
        delete m_list->takeItem(m_list->row(item));
}

void EditListBox::commitEditing()
{
    // Moving the current item commits and closes an open editor.
    m_list->setCurrentIndex(QModelIndex());
}
