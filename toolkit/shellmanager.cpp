#include "shellmanager.h"

#include "platform/messagebox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace toolkit {

QString ShellManager::browseForFolder(QWidget *parent, const QString &title,
                                      const QString &initialFolder) const
{
    QFileDialog dialog(parent, title,
                       QFileInfo(initialFolder).isDir() ? initialFolder : QDir::homePath());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // The toolkit's own dialog has the edit box where a path can be typed.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || !QFileInfo(chosen.first()).isDir())
        return {};
    return QDir::cleanPath(QFileInfo(chosen.first()).absoluteFilePath());
}

} // namespace toolkit
