#pragma once

#include <QString>
#include <QStringList>

// The shell's command line of a document program: no argument opens an
// empty document, file names open those files, "/p file" prints a file on
// the default printer and "/pt file printer driver port" on the named one,
// both ending the program afterwards, and "/dde" starts without a document
// (the shell then names the files to open). Flags may start with '/' or '-'
// and ignore case; since an absolute path also starts with '/', only the
// known flags count as flags in that form.
struct JotterCommandLine
{
    enum class ShellCommand
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDde
    };

    ShellCommand shellCommand = ShellCommand::FileNew;
    QStringList files;
    QString printerName;
    QString driverName;
    QString portName;

    // `arguments` without the program name.
    [[nodiscard]] static JotterCommandLine parse(const QStringList &arguments);
};
