#pragma once

#include <QString>

// The jotter's string table: the numbered texts of the program and the
// framework messages it shows, all in Italian.
namespace jotterstrings {

enum Id
{
    OleInitFailed = 100, // the clipboard and drag and drop could not be set up
    StandardToolBar = 101,
    WindowsMenuItem = 107,
    AppTitle = 128,
    DocTemplateString = 129,
    Idle = 57345,
    FrameworkAppTitle = 57344,
    LocalePackMissing = 61446,
    AskToSave = 61700,
    OpenFailed,
    SaveFailed,
    EncodingChanged,
    TextNotFound,
    PrintFailed,
    MailFailed,
    MailPrepareFailed,
    AllFilesFilter,
    RecentFilesPlaceholder,
    PrintToFailed,
    NoPrinters,
};

// The text for an id; an empty string for an unknown id.
[[nodiscard]] QString text(int id);

// The parts of the document template's string (string 129), separated by
// line feeds: window title, new-file name, file-new list name, filter name,
// filter extension, shell type id, shell type name.
struct DocTemplate
{
    QString windowTitle;
    QString docName; // "Documento": new files are "Documento1", "Documento2"...
    QString fileNewName;
    QString filterName;      // "Documenti di testo (*.txt)"
    QString filterExt;       // ".txt"
    QString regFileTypeId;   // "Jotter.Document"
    QString regFileTypeName; // "Documento di testo"
};
[[nodiscard]] DocTemplate parseDocTemplate(const QString &templateString);

} // namespace jotterstrings
