#include "customizepages.h"
#include "editlistbox.h"
#include "shellmanager.h"

#include "platform/messagebox.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace toolkit {

CustomizeToolsPage::CustomizeToolsPage(UserToolsManager &tools, QWidget *parent)
    : QWidget(parent), m_tools(tools), m_edited(tools.tools()), m_list(new EditListBox(this)),
      m_command(new QLineEdit(this)), m_arguments(new QLineEdit(this)),
      m_folder(new QLineEdit(this)), m_browseCommand(new QPushButton(QStringLiteral("..."), this)),
      m_browseFolder(new QPushButton(QStringLiteral("..."), this))
{
    setObjectName(QStringLiteral("tools"));
    m_list->setObjectName(QStringLiteral("toolList"));
    m_list->setCaption(tr("Menu &contents:"));
    m_browseCommand->setFixedWidth(32);
    m_browseFolder->setFixedWidth(32);
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 1, 3);
    const auto row = [&](int r, const QString &label, QLineEdit *edit, QPushButton *browse) {
        auto *l = new QLabel(label, this);
        l->setBuddy(edit);
        grid->addWidget(l, r, 0);
        grid->addWidget(edit, r, 1, 1, browse ? 1 : 2);
        if (browse)
            grid->addWidget(browse, r, 2);
    };
    row(1, tr("Co&mmand:"), m_command, m_browseCommand);
    row(2, tr("&Arguments:"), m_arguments, nullptr);
    row(3, tr("&Initial folder:"), m_folder, m_browseFolder);
    grid->setRowStretch(0, 1);

    QStringList captions;
    for (const UserTool &tool : std::as_const(m_edited))
        captions.append(tool.caption);
    m_list->setItems(captions);

    connect(m_list, &EditListBox::currentChanged, this, &CustomizeToolsPage::showCurrent);
    connect(m_list, &EditListBox::itemAdded, this, [this](int index) {
        m_edited.insert(index, UserTool(tr("New Tool")));
        m_list->setItemText(index, m_edited[index].caption);
        writeBack();
        showCurrent();
    });
    connect(m_list, &EditListBox::itemRemoved, this, [this](int index) {
        m_edited.removeAt(index);
        writeBack();
        showCurrent();
    });
    connect(m_list, &EditListBox::itemRenamed, this, [this](int index) {
        if (index >= 0 && index < m_edited.size()) {
            m_edited[index].caption = m_list->itemText(index);
            writeBack();
        }
    });
    connect(m_list, &EditListBox::itemMoved, this, [this](int from, int to) {
        m_edited.move(from, to);
        writeBack();
    });
    for (QLineEdit *edit : {m_command, m_arguments, m_folder})
        connect(edit, &QLineEdit::textEdited, this, &CustomizeToolsPage::storeCurrent);
    connect(m_browseCommand, &QPushButton::clicked, this, [this] {
        QFileDialog dialog(this, tr("Program"), QFileInfo(m_command->text()).absolutePath());
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        if (platform::ui::execDialog(dialog) == QDialog::Accepted &&
            !dialog.selectedFiles().isEmpty()) {
            m_command->setText(dialog.selectedFiles().first());
            storeCurrent();
        }
    });
    connect(m_browseFolder, &QPushButton::clicked, this, [this] {
        const ShellManager shell;
        const QString folder = shell.browseForFolder(this, tr("Initial folder"), m_folder->text());
        if (!folder.isEmpty()) {
            m_folder->setText(folder);
            storeCurrent();
        }
    });
    showCurrent();
}

void CustomizeToolsPage::showCurrent()
{
    const int index = m_list->currentIndex();
    const bool valid = index >= 0 && index < m_edited.size();
    m_showing = true;
    m_command->setText(valid ? m_edited[index].command : QString());
    m_arguments->setText(valid ? m_edited[index].arguments : QString());
    m_folder->setText(valid ? m_edited[index].initialFolder : QString());
    m_showing = false;
    for (QWidget *w : {static_cast<QWidget *>(m_command), static_cast<QWidget *>(m_arguments),
                       static_cast<QWidget *>(m_folder), static_cast<QWidget *>(m_browseCommand),
                       static_cast<QWidget *>(m_browseFolder)})
        w->setEnabled(valid);
    m_list->setButtonEnabled(EditListBox::NewButton, m_edited.size() < m_tools.maxTools());
}

void CustomizeToolsPage::storeCurrent()
{
    const int index = m_list->currentIndex();
    if (m_showing || index < 0 || index >= m_edited.size())
        return;
    m_edited[index].command = m_command->text().trimmed();
    m_edited[index].arguments = m_arguments->text();
    m_edited[index].initialFolder = m_folder->text().trimmed();
    writeBack();
}

void CustomizeToolsPage::writeBack()
{
    m_tools.setTools(m_edited);
}

} // namespace toolkit
