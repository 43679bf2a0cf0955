#include "filedialogs.h"

#include "platform/messagebox.h"
#include "toolkit/shellmanager.h"
#include "toolkit/workspace.h"

#include <QFileDialog>

namespace filedialogs {

namespace {

QString run(QFileDialog &dialog)
{
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

void setUp(QFileDialog &dialog, const FileChoice &choice)
{
    dialog.setWindowTitle(choice.title);
    dialog.setDefaultSuffix(choice.defaultSuffix);
    dialog.setNameFilter(choice.filters);
    if (!choice.start.isEmpty())
        dialog.setDirectory(choice.start);
}

} // namespace

QString chooseFolder(QWidget *parent, const QString &title, const QString &start)
{
    const toolkit::Workspace *workspace = toolkit::Workspace::instance();
    if (workspace && workspace->shellManager())
        return workspace->shellManager()->browseForFolder(parent, title, start);
    return toolkit::ShellManager().browseForFolder(parent, title, start);
}

QString chooseSaveFile(QWidget *parent, const FileChoice &choice)
{
    QFileDialog dialog(parent);
    setUp(dialog, choice);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return run(dialog);
}

QString chooseOpenFile(QWidget *parent, const FileChoice &choice)
{
    QFileDialog dialog(parent);
    setUp(dialog, choice);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog);
}

} // namespace filedialogs
