#include "editlistbox.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>

namespace toolkit {

namespace {

enum class Glyph
{
    New,
    Delete,
    Up,
    Down
};

// Small drawn images for the buttons, so the box needs no image files.
QIcon glyphIcon(Glyph glyph, const QColor &ink)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (glyph) {
    case Glyph::New:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 2.5, 9, 11));
        p.drawLine(QPointF(6, 8), QPointF(10, 8));
        p.drawLine(QPointF(8, 6), QPointF(8, 10));
        break;
    case Glyph::Delete:
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case Glyph::Up:
    case Glyph::Down: {
        QPainterPath arrow;
        const bool up = glyph == Glyph::Up;
        arrow.moveTo(8, up ? 3 : 13);
        arrow.lineTo(13, up ? 9 : 7);
        arrow.lineTo(3, up ? 9 : 7);
        arrow.closeSubpath();
        p.setBrush(ink);
        p.drawPath(arrow);
        p.drawLine(QPointF(8, up ? 9 : 3), QPointF(8, up ? 13 : 7));
        break;
    }
    }
    return QIcon(pixmap);
}

} // namespace

EditListBox::EditListBox(QWidget *parent, int buttons)
    : QWidget(parent), m_caption(new QLabel(this)), m_list(new QListWidget(this))
{
    m_caption->setBuddy(m_list);
    auto *header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(1);
    header->addWidget(m_caption, 1);
    const QColor ink = palette().color(QPalette::WindowText);
    const auto button = [&](Glyph glyph, const QString &tip) {
        auto *b = new QToolButton(this);
        b->setAutoRaise(true);
        b->setIcon(glyphIcon(glyph, ink));
        b->setToolTip(tip);
        header->addWidget(b);
        return b;
    };
    if (buttons & NewButton) {
        m_new = button(Glyph::New, tr("New (Insert)"));
        connect(m_new, &QToolButton::clicked, this, &EditListBox::newItem);
    }
    if (buttons & DeleteButton) {
        m_delete = button(Glyph::Delete, tr("Delete (Delete)"));
        connect(m_delete, &QToolButton::clicked, this, &EditListBox::deleteCurrent);
    }
    if (buttons & UpButton) {
        m_up = button(Glyph::Up, tr("Move Up (Alt+Up Arrow)"));
        connect(m_up, &QToolButton::clicked, this, [this] { moveCurrent(-1); });
    }
    if (buttons & DownButton) {
        m_down = button(Glyph::Down, tr("Move Down (Alt+Down Arrow)"));
        connect(m_down, &QToolButton::clicked, this, [this] { moveCurrent(1); });
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(header);
    layout->addWidget(m_list, 1);
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        updateButtons();
        emit currentChanged(row);
    });
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        if (!m_filling)
            emit itemRenamed(m_list->row(item));
    });
    updateButtons();
}

void EditListBox::setCaption(const QString &caption)
{
    m_caption->setText(caption);
}

QString EditListBox::caption() const
{
    return m_caption->text();
}

int EditListBox::count() const
{
    return m_list->count();
}

QString EditListBox::itemText(int index) const
{
    const QListWidgetItem *item = m_list->item(index);
    return item ? item->text() : QString();
}

void EditListBox::setItemText(int index, const QString &text)
{
    if (QListWidgetItem *item = m_list->item(index)) {
        m_filling = true;
        item->setText(text);
        m_filling = false;
    }
}

int EditListBox::addItem(const QString &text, int index)
{
    if (index < 0 || index > m_list->count())
        index = m_list->count();
    auto *item = new QListWidgetItem(text);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_filling = true;
    m_list->insertItem(index, item);
    m_filling = false;
    updateButtons();
    return index;
}

void EditListBox::removeItem(int index)
{
    delete m_list->takeItem(index);
    updateButtons();
}

void EditListBox::clear()
{
    m_list->clear();
    updateButtons();
}

QStringList EditListBox::items() const
{
    QStringList texts;
    for (int i = 0; i < m_list->count(); ++i)
        texts.append(m_list->item(i)->text());
    return texts;
}

void EditListBox::setItems(const QStringList &items)
{
    m_list->clear();
    for (const QString &text : items)
        addItem(text);
    if (!items.isEmpty())
        m_list->setCurrentRow(0);
}

int EditListBox::currentIndex() const
{
    return m_list->currentRow();
}

void EditListBox::setCurrentIndex(int index)
{
    m_list->setCurrentRow(index);
}

void EditListBox::setButtonEnabled(Button button, bool enabled)
{
    if (enabled)
        m_disabledButtons &= ~button;
    else
        m_disabledButtons |= button;
    updateButtons();
}

void EditListBox::newItem()
{
    if (m_disabledButtons & NewButton)
        return;
    const int index = addItem(QString(), m_list->count());
    m_list->setCurrentRow(index);
    emit itemAdded(index);
    if (isVisible())
        m_list->editItem(m_list->item(index));
}

void EditListBox::deleteCurrent()
{
    const int index = m_list->currentRow();
    if (index < 0 || (m_disabledButtons & DeleteButton))
        return;
    removeItem(index);
    if (m_list->count() > 0)
        m_list->setCurrentRow(std::min(index, m_list->count() - 1));
    emit itemRemoved(index);
}

void EditListBox::moveCurrent(int delta)
{
    const int from = m_list->currentRow();
    const int to = from + delta;
    const int button = delta < 0 ? UpButton : DownButton;
    if (from < 0 || to < 0 || to >= m_list->count() || (m_disabledButtons & button))
        return;
    m_filling = true;
    QListWidgetItem *item = m_list->takeItem(from);
    m_list->insertItem(to, item);
    m_filling = false;
    m_list->setCurrentRow(to);
    emit itemMoved(from, to);
}

void EditListBox::updateButtons()
{
    const int row = m_list->currentRow();
    if (m_new)
        m_new->setEnabled(!(m_disabledButtons & NewButton));
    if (m_delete)
        m_delete->setEnabled(row >= 0 && !(m_disabledButtons & DeleteButton));
    if (m_up)
        m_up->setEnabled(row > 0 && !(m_disabledButtons & UpButton));
    if (m_down)
        m_down->setEnabled(row >= 0 && row < m_list->count() - 1 &&
                           !(m_disabledButtons & DownButton));
}

bool EditListBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Insert && m_new) {
            newItem();
            return true;
        }
        if (key->key() == Qt::Key_Delete && m_delete) {
            deleteCurrent();
            return true;
        }
        if ((key->modifiers() & Qt::AltModifier) && key->key() == Qt::Key_Up && m_up) {
            moveCurrent(-1);
            return true;
        }
        if ((key->modifiers() & Qt::AltModifier) && key->key() == Qt::Key_Down && m_down) {
            moveCurrent(1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace toolkit
