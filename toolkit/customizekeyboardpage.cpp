#include "commandcategories.h"
#include "commandtable.h"
#include "customizepages.h"
#include "keyboardmanager.h"
#include "mdiframe.h"

#include "platform/messagebox.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace toolkit {

namespace {

constexpr int idRole = Qt::UserRole + 1;

} // namespace

CustomizeKeyboardPage::CustomizeKeyboardPage(MdiFrame &frame, QWidget *parent)
    : QWidget(parent), m_frame(frame), m_categories(new QComboBox(this)),
      m_commands(new QListWidget(this)), m_keys(new QListWidget(this)),
      m_newKey(new QKeySequenceEdit(this)), m_assignedTo(new QLabel(this)),
      m_description(new QLabel(this)), m_assign(new QPushButton(tr("&Assign"), this)),
      m_remove(new QPushButton(tr("&Remove"), this)),
      m_resetAll(new QPushButton(tr("Reset A&ll"), this))
{
    setObjectName(QStringLiteral("keyboard"));
    m_commands->setObjectName(QStringLiteral("keyCommands"));
    m_keys->setObjectName(QStringLiteral("currentKeys"));
    for (const CommandCategory &category : commandCategories(frame, true))
        m_categories->addItem(category.name, QVariant::fromValue(category.ids));
    m_description->setWordWrap(true);
    m_description->setFrameShape(QFrame::StyledPanel);
    m_description->setMinimumHeight(36);

    auto *left = new QVBoxLayout;
    auto *categoryLabel = new QLabel(tr("&Category:"), this);
    categoryLabel->setBuddy(m_categories);
    left->addWidget(categoryLabel);
    left->addWidget(m_categories);
    auto *commandsLabel = new QLabel(tr("Comma&nds:"), this);
    commandsLabel->setBuddy(m_commands);
    left->addWidget(commandsLabel);
    left->addWidget(m_commands, 1);
    auto *right = new QVBoxLayout;
    auto *keysLabel = new QLabel(tr("Current &keys:"), this);
    keysLabel->setBuddy(m_keys);
    right->addWidget(keysLabel);
    right->addWidget(m_keys, 1);
    auto *newLabel = new QLabel(tr("&Press new shortcut key:"), this);
    newLabel->setBuddy(m_newKey);
    right->addWidget(newLabel);
    right->addWidget(m_newKey);
    right->addWidget(m_assignedTo);
    auto *buttons = new QVBoxLayout;
    buttons->addSpacing(keysLabel->sizeHint().height());
    buttons->addWidget(m_assign);
    buttons->addWidget(m_remove);
    buttons->addWidget(m_resetAll);
    buttons->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    columns->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(new QLabel(tr("Description:"), this));
    layout->addWidget(m_description);

    connect(m_categories, &QComboBox::currentIndexChanged, this,
            &CustomizeKeyboardPage::fillCommands);
    connect(m_commands, &QListWidget::currentRowChanged, this, &CustomizeKeyboardPage::fillKeys);
    connect(m_keys, &QListWidget::currentRowChanged, this, &CustomizeKeyboardPage::updateState);
    connect(m_newKey, &QKeySequenceEdit::keySequenceChanged, this,
            &CustomizeKeyboardPage::updateState);
    connect(m_assign, &QPushButton::clicked, this, &CustomizeKeyboardPage::assign);
    connect(m_remove, &QPushButton::clicked, this, &CustomizeKeyboardPage::removeCurrentKey);
    connect(m_resetAll, &QPushButton::clicked, this, &CustomizeKeyboardPage::resetAll);
    fillCommands();
}

int CustomizeKeyboardPage::currentCommand() const
{
    const QListWidgetItem *item = m_commands->currentItem();
    return item ? item->data(idRole).toInt() : 0;
}

void CustomizeKeyboardPage::selectCommand(int id)
{
    m_categories->setCurrentIndex(0);
    for (int row = 0; row < m_commands->count(); ++row) {
        if (m_commands->item(row)->data(idRole).toInt() == id)
            m_commands->setCurrentRow(row);
    }
}

void CustomizeKeyboardPage::fillCommands()
{
    const CommandTable &commands = m_frame.commands();
    m_commands->clear();
    for (int id : m_categories->currentData().value<QList<int>>()) {
        auto *item =
            new QListWidgetItem(commands.action(id)->icon(), commands.plainText(id), m_commands);
        item->setData(idRole, id);
    }
    m_commands->setCurrentRow(0);
    fillKeys();
}

void CustomizeKeyboardPage::fillKeys()
{
    m_keys->clear();
    const int id = currentCommand();
    if (const QAction *action = m_frame.commands().action(id)) {
        for (const QKeySequence &key : action->shortcuts()) {
            auto *item = new QListWidgetItem(key.toString(QKeySequence::NativeText), m_keys);
            item->setData(idRole, key.toString(QKeySequence::PortableText));
        }
    }
    m_keys->setCurrentRow(0);
    m_description->setText(m_frame.commands().description(id));
    updateState();
}

void CustomizeKeyboardPage::updateState()
{
    const QKeySequence key = m_newKey->keySequence();
    const int owner = key.isEmpty() ? 0 : KeyboardManager::commandForKey(m_frame.commands(), key);
    m_assignedTo->setText(owner ? tr("Assigned to: %1").arg(m_frame.commands().plainText(owner))
                                : QString());
    m_assign->setEnabled(currentCommand() != 0 && !key.isEmpty() && owner != currentCommand());
    m_remove->setEnabled(m_keys->currentRow() >= 0);
}

void CustomizeKeyboardPage::assign()
{
    const int id = currentCommand();
    if (KeyboardManager::assign(m_frame.commands(), id, m_newKey->keySequence())) {
        m_newKey->clear();
        fillKeys();
    }
}

void CustomizeKeyboardPage::removeCurrentKey()
{
    const QListWidgetItem *item = m_keys->currentItem();
    if (!item)
        return;
    KeyboardManager::remove(
        m_frame.commands(), currentCommand(),
        QKeySequence::fromString(item->data(idRole).toString(), QKeySequence::PortableText));
    fillKeys();
}

void CustomizeKeyboardPage::resetAll()
{
    if (!platform::ui::askYesNo(this, tr("Give every command back its original keys?")))
        return;
    KeyboardManager::resetAll(m_frame.commands());
    fillKeys();
}

} // namespace toolkit
