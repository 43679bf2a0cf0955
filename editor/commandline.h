#pragma once

#include <QString>
#include <QStringList>

// What the editor's command line asks for. A flag (given with '/' or '-')
// whose first seven characters are "export:" sets export mode, and the rest
// of it is the document to export; export mode also turns the splash off.
// "/p" prints the document, "/nologo" turns the splash off; any other
// parameter is a document to open (an absolute path starts with '/' here, so
// only the known flags are taken as flags in their '/' form).
struct CDomoraCommandLineInfo
{
    enum class ShellCommand
    {
        Nothing,
        Open,
        Print
    };

    ShellCommand shellCommand = ShellCommand::Nothing;
    QString fileName;
    bool showSplash = true;
    int exportMode = 0;

    static CDomoraCommandLineInfo parse(const QStringList &arguments);
};
