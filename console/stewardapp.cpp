#include "stewardapp.h"

#include "cstewarddialog.h"
#include "platform/messagebox.h"
#include "stewardcommands.h"
#include "toolkit/visualmanager.h"
#include "toolkit/workspace.h"

#include <QDir>
#include <QLibrary>

namespace steward {

bool loadLanguageLibrary(const QString &path)
{
    static QLibrary library;
    if (library.isLoaded())
        return true;
    library.setFileName(path);
    return library.load();
}

int run(const QString &programFolder)
{
    if (!loadLanguageLibrary(programFolder + QLatin1String(localePackName)))
        return 1;
    // The commands work on the editor's files in the current directory.
    QDir::setCurrent(programFolder);
    platform::ui::setDefaultCaption(QStringLiteral("Domora Management Console"));

    toolkit::Workspace workspace(QStringLiteral("Steward"));
    workspace.initShellManager(); // the folder pickers of backup and restore
    toolkit::VisualManager::setDefaultManager(
        toolkit::VisualManager::createBuiltInLook(QStringLiteral("Office XP")));

    {
        CStewardDialog window;
        QObject::connect(&window, &CStewardDialog::commandChosen, &window,
                         [&window](int id) { commands::run(id, &window); });
        window.exec();
    }
    toolkit::Workspace::cleanUp();
    return 0;
}

} // namespace steward
