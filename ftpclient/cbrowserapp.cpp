#include "ftpclient/cbrowserapp.h"

#include "ftpclient/cbrowserdlg.h"
#include "ftpclient/strings.h"
#include "platform/internet.h"
#include "platform/messagebox.h"

CBrowserApp::CBrowserApp(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(ftpStrings::text(ftpStrings::AgentName));
    platform::ui::setDefaultCaption(QStringLiteral("Skyfetch"));
}

int CBrowserApp::run()
{
    if (!platform::internetAvailable()) {
        platform::ui::messageBox(nullptr, ftpStrings::text(ftpStrings::NoSession),
                                 QStringLiteral("Skyfetch"));
        return 1;
    }
    CBrowserDlg dialog;
    dialog.show();
    return exec();
}
