#include "customizedialog.h"

#include "customizepages.h"
#include "keyboardmanager.h"
#include "mdiframe.h"
#include "usertoolsmanager.h"
#include "workspace.h"

#include "platform/messagebox.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace toolkit {

CustomizeDialog::CustomizeDialog(MdiFrame &frame, int flags)
    : QDialog(&frame), m_pages(new QTabWidget(this))
{
    setWindowTitle(tr("Customize"));
    const Workspace *workspace = Workspace::instance();
    auto *commands = new CustomizeCommandsPage(frame, flags & ScanMenus, m_pages);
    auto *toolBars = new CustomizeToolBarsPage(frame, flags & UserToolBars, m_pages);
    m_pages->addTab(toolBars, tr("Toolbars"));
    m_pages->addTab(commands, tr("Commands"));
    connect(toolBars, &CustomizeToolBarsPage::toolBarsChanged, commands,
            &CustomizeCommandsPage::refreshToolBars);
    if (workspace && workspace->userToolsManager())
        m_pages->addTab(new CustomizeToolsPage(*workspace->userToolsManager(), m_pages),
                        tr("Tools"));
    if (workspace && workspace->keyboardManager())
        m_pages->addTab(new CustomizeKeyboardPage(frame, m_pages), tr("Keyboard"));
    if (flags & LookPage)
        m_pages->addTab(new CustomizeLookPage(m_pages), tr("Look"));
    if (flags & OptionsPage)
        m_pages->addTab(new CustomizeOptionsPage(frame, m_pages), tr("Options"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(tr("Close"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buttons);
    resize(760, 500);
}

int CustomizeDialog::run()
{
    return platform::ui::execDialog(*this);
}

QWidget *CustomizeDialog::page(const QString &name) const
{
    for (int i = 0; i < m_pages->count(); ++i) {
        if (m_pages->widget(i)->objectName() == name)
            return m_pages->widget(i);
    }
    return nullptr;
}

} // namespace toolkit
