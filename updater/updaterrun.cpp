#include "updaterrun.h"

#include "cupdaterdialog.h"
#include "platform/paths.h"
#include "platform/process.h"

#include <QDir>

namespace updater {

int runUpdater(const std::function<int(CUpdaterDialog &)> &exec)
{
    const QString folder = platform::programFolder();
    QDir::setCurrent(folder);
    CUpdaterDialog dialog;
    const int result = exec(dialog);
    if (result == QDialog::Accepted && dialog.restartChecked()) {
        platform::startProgram(folder + platform::executableName(QStringLiteral("Talvex")));
        platform::startProgram(folder + platform::executableName(QStringLiteral("domora")));
    }
    return 0;
}

} // namespace updater
