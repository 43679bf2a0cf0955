#include "notepad/jottercommandline.h"

namespace {

enum class Flag
{
    None,
    Print,
    PrintTo,
    Dde,
    Unknown
};

Flag flagOf(const QString &argument)
{
    if (argument.size() < 2 || (argument[0] != u'/' && argument[0] != u'-'))
        return Flag::None;
    const QString name = argument.mid(1).toLower();
    if (name == u"p")
        return Flag::Print;
    if (name == u"pt")
        return Flag::PrintTo;
    if (name == u"dde")
        return Flag::Dde;
    // "/home/..." is a path; "-x" is a flag we do not know.
    return argument[0] == u'-' ? Flag::Unknown : Flag::None;
}

} // namespace

JotterCommandLine JotterCommandLine::parse(const QStringList &arguments)
{
    JotterCommandLine result;
    bool print = false;
    bool printTo = false;
    bool dde = false;
    QStringList plain;
    for (const QString &argument : arguments) {
        switch (flagOf(argument)) {
        case Flag::Print:
            print = true;
            break;
        case Flag::PrintTo:
            printTo = true;
            break;
        case Flag::Dde:
            dde = true;
            break;
        case Flag::Unknown:
            break;
        case Flag::None:
            if (!argument.isEmpty())
                plain.append(argument);
            break;
        }
    }
    if (printTo && !plain.isEmpty()) {
        // The printer, driver and port follow the file name.
        result.shellCommand = ShellCommand::FilePrintTo;
        result.files.append(plain.takeFirst());
        result.printerName = plain.value(0);
        result.driverName = plain.value(1);
        result.portName = plain.value(2);
        return result;
    }
    result.files = plain;
    if (print && !plain.isEmpty())
        result.shellCommand = ShellCommand::FilePrint;
    else if (dde && plain.isEmpty())
        result.shellCommand = ShellCommand::FileDde;
    else if (!plain.isEmpty())
        result.shellCommand = ShellCommand::FileOpen;
    return result;
}
