#pragma once

#include <QString>
#include <QStringList>

// Registers a program and its document types with the desktop: a
// freedesktop MIME type package and a .desktop entry in the user's data
// folder ($XDG_DATA_HOME, ~/.local/share by default). Files are written only
// when missing or different, so a start that finds them as they should be
// touches nothing. The registration adds the program as a handler; it never
// makes it the user's default for a type another program already handles.
namespace platform {

struct DocumentType
{
    QString mimeType;       // "application/x-domora-plan"
    QString comment;        // "Documento Domora"
    QStringList globs;      // {"*.fpd"}
    QString iconName;       // an icon name or an absolute path; may be empty
    bool defineType = true; // false for existing types such as text/plain
};

struct ShellRegistration
{
    QString desktopId;      // "velmar-domora" (file names derive from it)
    QString name;           // "Domora"
    QString genericName;    // "Editor di planimetrie"
    QString executable;     // absolute path
    QString iconPath;       // absolute path or icon name; may be empty
    QStringList categories; // {"Graphics"}
    QList<DocumentType> types;
};

// The data folder the files go to.
[[nodiscard]] QString userDataFolder();

// Writes what is missing or changed; returns whether the registration is now
// in place (false with the reason in `error` when a file could not be written).
bool registerWithShell(const ShellRegistration &reg, QString *error = nullptr);

} // namespace platform
