#include "commandline.h"

namespace {

// Here an absolute path starts with '/' too, so a parameter given with '/'
// is a flag only when it is one the editor knows.
bool isSlashFlag(const QString &arg)
{
    const QString flag = arg.mid(1);
    if (flag.left(7).compare(QLatin1String("export:"), Qt::CaseInsensitive) == 0)
        return true;
    for (const char *known : {"p", "nologo"}) {
        if (flag.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

CDomoraCommandLineInfo CDomoraCommandLineInfo::parse(const QStringList &arguments)
{
    CDomoraCommandLineInfo info;
    bool print = false;
    for (const QString &arg : arguments) {
        const bool isFlag =
            arg.size() > 1 && (arg.front() == u'-' || (arg.front() == u'/' && isSlashFlag(arg)));
        if (!isFlag) {
            if (info.fileName.isEmpty())
                info.fileName = arg;
            if (info.shellCommand == ShellCommand::Nothing)
                info.shellCommand = print ? ShellCommand::Print : ShellCommand::Open;
            continue;
        }
        const QString flag = arg.mid(1);
        if (flag.left(7).compare(QLatin1String("export:"), Qt::CaseInsensitive) == 0) {
            info.exportMode = 1;
            // "/export:PATH"; with "/export:" alone the path is the next parameter.
            info.fileName = flag.mid(7);
            info.shellCommand = ShellCommand::Open;
        } else if (flag.compare(QLatin1String("p"), Qt::CaseInsensitive) == 0) {
            print = true;
            if (info.shellCommand == ShellCommand::Open)
                info.shellCommand = ShellCommand::Print;
        } else if (flag.compare(QLatin1String("nologo"), Qt::CaseInsensitive) == 0) {
            info.showSplash = false;
        }
    }
    if (info.exportMode)
        info.showSplash = false;
    return info;
}
