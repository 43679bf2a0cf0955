#include "updaterrun.h"

#include "cupdaterdialog.h"
#include "platform/messagebox.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Velmar Patchwell"));
    return updater::runUpdater(
        [](CUpdaterDialog &dialog) { return platform::ui::execDialog(dialog); });
}
