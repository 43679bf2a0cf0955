#include "commandcategories.h"
#include "commandtable.h"
#include "customizepages.h"
#include "mdiframe.h"
#include "toolbar.h"

#include "platform/messagebox.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace toolkit {

namespace {

constexpr int idRole = Qt::UserRole + 1;

// The command list lets its items be dragged onto a toolbar.
class CommandListWidget : public QListWidget
{
public:
    explicit CommandListWidget(QWidget *parent) : QListWidget(parent)
    {
        setDragEnabled(true);
        setDragDropMode(QAbstractItemView::DragOnly);
    }

protected:
    QStringList mimeTypes() const override
    {
        return {QStringLiteral("application/x-domora-toolbar-button")};
    }
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override
    {
        if (items.isEmpty())
            return nullptr;
        auto *data = new QMimeData;
        data->setData(QStringLiteral("application/x-domora-toolbar-button"),
                      QByteArray::number(items.first()->data(idRole).toInt()) + " 0 -1");
        return data;
    }
};

} // namespace

CustomizeCommandsPage::CustomizeCommandsPage(MdiFrame &frame, bool scanMenus, QWidget *parent)
    : QWidget(parent), m_frame(frame), m_categories(new QListWidget(this)),
      m_commands(new CommandListWidget(this)), m_toolBars(new QComboBox(this)),
      m_buttons(new QListWidget(this)), m_add(new QPushButton(tr("&Add >"), this)),
      m_remove(new QPushButton(tr("< &Remove"), this)),
      m_separator(new QPushButton(tr("&Separator"), this)),
      m_up(new QPushButton(tr("Move &Up"), this)), m_down(new QPushButton(tr("Move &Down"), this)),
      m_image(new QPushButton(tr("&Image..."), this)), m_reset(new QPushButton(tr("Rese&t"), this)),
      m_description(new QLabel(this))
{
    setObjectName(QStringLiteral("commands"));
    m_categories->setObjectName(QStringLiteral("categories"));
    m_commands->setObjectName(QStringLiteral("commandList"));
    m_toolBars->setObjectName(QStringLiteral("toolBarChoice"));
    m_buttons->setObjectName(QStringLiteral("buttonList"));
    for (const CommandCategory &category : commandCategories(frame, scanMenus)) {
        auto *item = new QListWidgetItem(category.name, m_categories);
        item->setData(idRole, QVariant::fromValue(category.ids));
    }
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(36);
    m_description->setFrameShape(QFrame::StyledPanel);

    auto *grid = new QGridLayout(this);
    auto *categoriesLabel = new QLabel(tr("Cate&gories:"), this);
    categoriesLabel->setBuddy(m_categories);
    grid->addWidget(categoriesLabel, 0, 0);
    auto *commandsLabel = new QLabel(tr("Comm&ands:"), this);
    commandsLabel->setBuddy(m_commands);
    grid->addWidget(commandsLabel, 0, 1);
    auto *barLabel = new QLabel(tr("T&oolbar:"), this);
    barLabel->setBuddy(m_toolBars);
    auto *barRow = new QHBoxLayout;
    barRow->addWidget(barLabel);
    barRow->addWidget(m_toolBars, 1);
    grid->addLayout(barRow, 0, 3);
    grid->addWidget(m_categories, 1, 0);
    grid->addWidget(m_commands, 1, 1);
    auto *middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(m_add);
    middle->addWidget(m_remove);
    middle->addWidget(m_separator);
    middle->addSpacing(8);
    middle->addWidget(m_up);
    middle->addWidget(m_down);
    middle->addSpacing(8);
    middle->addWidget(m_image);
    middle->addWidget(m_reset);
    middle->addStretch();
    grid->addLayout(middle, 1, 2);
    grid->addWidget(m_buttons, 1, 3);
    grid->addWidget(new QLabel(tr("Description:"), this), 2, 0, 1, 4);
    grid->addWidget(m_description, 3, 0, 1, 4);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 3);

    connect(m_categories, &QListWidget::currentRowChanged, this,
            &CustomizeCommandsPage::fillCommands);
    connect(m_commands, &QListWidget::currentRowChanged, this, &CustomizeCommandsPage::updateState);
    connect(m_commands, &QListWidget::itemDoubleClicked, this,
            &CustomizeCommandsPage::addCurrentCommand);
    connect(m_toolBars, &QComboBox::currentIndexChanged, this, &CustomizeCommandsPage::fillButtons);
    connect(m_buttons, &QListWidget::currentRowChanged, this, &CustomizeCommandsPage::updateState);
    connect(m_add, &QPushButton::clicked, this, &CustomizeCommandsPage::addCurrentCommand);
    connect(m_remove, &QPushButton::clicked, this, &CustomizeCommandsPage::removeCurrentButton);
    connect(m_separator, &QPushButton::clicked, this, &CustomizeCommandsPage::addSeparator);
    connect(m_up, &QPushButton::clicked, this, [this] { moveCurrentButton(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveCurrentButton(1); });
    connect(m_image, &QPushButton::clicked, this, &CustomizeCommandsPage::chooseUserImage);
    connect(m_reset, &QPushButton::clicked, this, [this] {
        if (ToolBar *bar = currentToolBar())
            bar->resetToDefault();
    });
    refreshToolBars();
    m_categories->setCurrentRow(0);
}

void CustomizeCommandsPage::refreshToolBars()
{
    ToolBar *current = currentToolBar();
    const QSignalBlocker blocker(m_toolBars);
    m_toolBars->clear();
    for (ToolBar *bar : m_frame.toolBars()) {
        m_toolBars->addItem(bar->windowTitle(), bar->barId());
        connect(bar, &ToolBar::buttonsChanged, this, &CustomizeCommandsPage::fillButtons,
                Qt::UniqueConnection);
    }
    const int index = current ? m_toolBars->findData(current->barId()) : 0;
    m_toolBars->setCurrentIndex(std::max(0, index));
    fillButtons();
}

ToolBar *CustomizeCommandsPage::currentToolBar() const
{
    return m_toolBars->currentIndex() < 0 ? nullptr
                                          : m_frame.toolBar(m_toolBars->currentData().toInt());
}

void CustomizeCommandsPage::selectToolBar(ToolBar *bar)
{
    if (bar)
        m_toolBars->setCurrentIndex(m_toolBars->findData(bar->barId()));
}

void CustomizeCommandsPage::selectCommand(int id)
{
    m_categories->setCurrentRow(0);
    for (int row = 0; row < m_commands->count(); ++row) {
        if (m_commands->item(row)->data(idRole).toInt() == id)
            m_commands->setCurrentRow(row);
    }
}

int CustomizeCommandsPage::currentCommand() const
{
    const QListWidgetItem *item = m_commands->currentItem();
    return item ? item->data(idRole).toInt() : 0;
}

void CustomizeCommandsPage::fillCommands()
{
    const CommandTable &commands = m_frame.commands();
    m_commands->clear();
    const QListWidgetItem *category = m_categories->currentItem();
    if (!category)
        return;
    for (int id : category->data(idRole).value<QList<int>>()) {
        auto *item =
            new QListWidgetItem(commands.action(id)->icon(), commands.plainText(id), m_commands);
        item->setData(idRole, id);
    }
    updateState();
}

void CustomizeCommandsPage::fillButtons()
{
    const int row = m_buttons->currentRow();
    m_buttons->clear();
    const ToolBar *bar = currentToolBar();
    if (bar) {
        const CommandTable &commands = m_frame.commands();
        for (int id : bar->buttons()) {
            auto *item = id == 0 ? new QListWidgetItem(tr("--- separator ---"), m_buttons)
                                 : new QListWidgetItem(commands.action(id)->icon(),
                                                       commands.plainText(id), m_buttons);
            item->setData(idRole, id);
        }
    }
    m_buttons->setCurrentRow(std::min(row, m_buttons->count() - 1));
    updateState();
}

void CustomizeCommandsPage::updateState()
{
    const ToolBar *bar = currentToolBar();
    const int row = m_buttons->currentRow();
    const int command = currentCommand();
    m_add->setEnabled(bar && command != 0);
    m_remove->setEnabled(bar && row >= 0);
    m_separator->setEnabled(bar != nullptr);
    m_up->setEnabled(bar && row > 0);
    m_down->setEnabled(bar && row >= 0 && row < m_buttons->count() - 1);
    m_image->setEnabled(command != 0 && !m_frame.userImages().isEmpty());
    m_reset->setEnabled(bar && !bar->isUserDefined() && bar->isModified());
    m_description->setText(command ? m_frame.commands().description(command) : QString());
}

void CustomizeCommandsPage::addCurrentCommand()
{
    ToolBar *bar = currentToolBar();
    const int command = currentCommand();
    if (!bar || command == 0)
        return;
    const int at =
        m_buttons->currentRow() < 0 ? int(bar->buttons().size()) : m_buttons->currentRow() + 1;
    bar->insertButton(at, command);
    m_buttons->setCurrentRow(at);
}

void CustomizeCommandsPage::removeCurrentButton()
{
    if (ToolBar *bar = currentToolBar())
        bar->removeButton(m_buttons->currentRow());
}

void CustomizeCommandsPage::addSeparator()
{
    ToolBar *bar = currentToolBar();
    if (!bar)
        return;
    const int at =
        m_buttons->currentRow() < 0 ? int(bar->buttons().size()) : m_buttons->currentRow() + 1;
    bar->insertButton(at, 0);
    m_buttons->setCurrentRow(at);
}

void CustomizeCommandsPage::moveCurrentButton(int delta)
{
    ToolBar *bar = currentToolBar();
    const int row = m_buttons->currentRow();
    if (!bar || row < 0 || row + delta < 0 || row + delta >= m_buttons->count())
        return;
    bar->moveButton(row, row + delta);
    m_buttons->setCurrentRow(row + delta);
}

void CustomizeCommandsPage::chooseUserImage()
{
    const int command = currentCommand();
    const ToolBarImages &images = m_frame.userImages();
    if (command == 0 || images.isEmpty())
        return;
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Button Image"));
    auto *list = new QListWidget(&dialog);
    list->setViewMode(QListView::IconMode);
    list->setIconSize(images.imageSize());
    list->setGridSize(images.imageSize() + QSize(12, 12));
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    auto *none = new QListWidgetItem(tr("None"), list);
    none->setData(idRole, -1);
    for (int i = 0; i < images.count(); ++i) {
        auto *item = new QListWidgetItem(images.icon(i), QString(), list);
        item->setData(idRole, i);
    }
    const int current = m_frame.commands().userImageIndex(command);
    list->setCurrentRow(current < 0 ? 0 : current + 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(tr("Image for \"%1\":").arg(m_frame.commands().plainText(command)), &dialog));
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(320, 240);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted || !list->currentItem())
        return;
    const int index = list->currentItem()->data(idRole).toInt();
    m_frame.commands().setUserImage(command, images.icon(index), index);
    fillCommands();
    fillButtons();
}

} // namespace toolkit
