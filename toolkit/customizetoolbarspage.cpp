#include "customizepages.h"
#include "mdiframe.h"
#include "toolbar.h"

#include "platform/messagebox.h"

#include <QAction>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace toolkit {

namespace {

constexpr int idRole = Qt::UserRole + 1;

// Asks for a toolbar name; "" when cancelled.
QString askName(QWidget *parent, const QString &title, const QString &initial)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(CustomizeToolBarsPage::tr("Toolbar name:"));
    dialog.setTextValue(initial);
    dialog.setOkButtonText(CustomizeToolBarsPage::tr("OK"));
    dialog.setCancelButtonText(CustomizeToolBarsPage::tr("Cancel"));
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return {};
    return dialog.textValue().trimmed();
}

} // namespace

CustomizeToolBarsPage::CustomizeToolBarsPage(MdiFrame &frame, bool userToolBars, QWidget *parent)
    : QWidget(parent), m_frame(frame), m_list(new QListWidget(this)),
      m_reset(new QPushButton(tr("&Reset"), this)),
      m_resetAll(new QPushButton(tr("Reset &All"), this))
{
    setObjectName(QStringLiteral("toolbars"));
    m_list->setObjectName(QStringLiteral("toolBarList"));
    auto *buttons = new QVBoxLayout;
    if (userToolBars && frame.userToolBarsEnabled()) {
        m_new = new QPushButton(tr("&New..."), this);
        m_rename = new QPushButton(tr("Re&name..."), this);
        m_delete = new QPushButton(tr("&Delete"), this);
        buttons->addWidget(m_new);
        buttons->addWidget(m_rename);
        buttons->addWidget(m_delete);
        buttons->addSpacing(8);
        connect(m_new, &QPushButton::clicked, this, &CustomizeToolBarsPage::newToolBar);
        connect(m_rename, &QPushButton::clicked, this, &CustomizeToolBarsPage::renameCurrent);
        connect(m_delete, &QPushButton::clicked, this, &CustomizeToolBarsPage::deleteCurrent);
    }
    buttons->addWidget(m_reset);
    buttons->addWidget(m_resetAll);
    buttons->addStretch();
    auto *left = new QVBoxLayout;
    auto *listLabel = new QLabel(tr("Tool&bars:"), this);
    listLabel->setBuddy(m_list);
    left->addWidget(listLabel);
    left->addWidget(m_list, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, &CustomizeToolBarsPage::updateState);
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        if (ToolBar *bar = m_frame.toolBar(item->data(idRole).toInt()))
            m_frame.showBar(bar->barId(), item->checkState() == Qt::Checked);
    });
    connect(m_reset, &QPushButton::clicked, this, &CustomizeToolBarsPage::resetCurrent);
    connect(m_resetAll, &QPushButton::clicked, this, &CustomizeToolBarsPage::resetAll);
    refresh();
}

void CustomizeToolBarsPage::refresh()
{
    const int row = m_list->currentRow();
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (ToolBar *bar : m_frame.toolBars()) {
        auto *item = new QListWidgetItem(bar->windowTitle(), m_list);
        item->setData(idRole, bar->barId());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(bar->isHidden() ? Qt::Unchecked : Qt::Checked);
    }
    m_list->setCurrentRow(std::clamp(row, 0, m_list->count() - 1));
    updateState();
}

ToolBar *CustomizeToolBarsPage::currentToolBar() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? m_frame.toolBar(item->data(idRole).toInt()) : nullptr;
}

void CustomizeToolBarsPage::updateState()
{
    const ToolBar *bar = currentToolBar();
    const bool user = bar && bar->isUserDefined();
    if (m_new) {
        const bool room = m_frame.userToolBars().size() <
                          m_frame.lastUserToolBarId() - m_frame.firstUserToolBarId() + 1;
        m_new->setEnabled(room);
        m_rename->setEnabled(user);
        m_delete->setEnabled(user);
    }
    m_reset->setEnabled(bar && !user && bar->isModified());
}

void CustomizeToolBarsPage::newToolBar()
{
    const QString name =
        askName(this, tr("New Toolbar"), tr("Custom %1").arg(m_frame.userToolBars().size() + 1));
    if (name.isEmpty())
        return;
    ToolBar *bar = m_frame.createUserToolBar(name);
    if (!bar) {
        platform::ui::warning(this, tr("No more toolbars can be created."));
        return;
    }
    refresh();
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(idRole).toInt() == bar->barId())
            m_list->setCurrentRow(row);
    }
    emit toolBarsChanged();
}

void CustomizeToolBarsPage::renameCurrent()
{
    ToolBar *bar = currentToolBar();
    if (!bar || !bar->isUserDefined())
        return;
    const QString name = askName(this, tr("Rename Toolbar"), bar->windowTitle());
    if (name.isEmpty())
        return;
    bar->setWindowTitle(name);
    bar->toggleViewAction()->setText(name);
    refresh();
    emit toolBarsChanged();
}

void CustomizeToolBarsPage::deleteCurrent()
{
    ToolBar *bar = currentToolBar();
    if (!bar || !bar->isUserDefined())
        return;
    if (!platform::ui::askYesNo(this, tr("Delete the toolbar \"%1\"?").arg(bar->windowTitle())))
        return;
    m_frame.deleteUserToolBar(bar);
    refresh();
    emit toolBarsChanged();
}

void CustomizeToolBarsPage::resetCurrent()
{
    ToolBar *bar = currentToolBar();
    if (bar && !bar->isUserDefined())
        bar->resetToDefault();
    updateState();
}

void CustomizeToolBarsPage::resetAll()
{
    if (!platform::ui::askYesNo(this, tr("Give every toolbar back its original buttons?")))
        return;
    for (ToolBar *bar : m_frame.toolBars()) {
        if (!bar->isUserDefined())
            bar->resetToDefault();
    }
    updateState();
}

} // namespace toolkit
