#include "stewardapp.h"

#include "cstewarddialog.h"
#include "platform/messagebox.h"
#include "stewardcommands.h"
#include "toolkit/languagelibrary.h"
#include "toolkit/visualmanager.h"
#include "toolkit/workspace.h"

#include <QDir>

namespace steward {

int run(const QString &programFolder)
{
    const std::unique_ptr<toolkit::LanguageLibrary> language =
        toolkit::LanguageLibrary::load(programFolder + QLatin1String(localePackName));
    if (!language)
        return 1;
    language->install();
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
        platform::ui::execDialog(window);
    }
    toolkit::Workspace::cleanUp();
    return 0;
}

} // namespace steward
