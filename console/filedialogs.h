#pragma once

#include <QString>

class QWidget;

// The console's file and folder choosers. They run through the message
// layer's dialog hook, so tests answer them like any other dialog.
namespace filedialogs {

// The toolkit's folder chooser, with an edit box; empty when cancelled.
[[nodiscard]] QString chooseFolder(QWidget *parent, const QString &title,
                                   const QString &start = {});

struct FileChoice
{
    QString title;
    QString defaultSuffix; // added to a name typed without one
    QString filters;       // "Registro eventi (*.log);;Tutti i file (*)"
    QString start;
};
// A save chooser that asks before replacing a file; empty when cancelled.
[[nodiscard]] QString chooseSaveFile(QWidget *parent, const FileChoice &choice);
[[nodiscard]] QString chooseOpenFile(QWidget *parent, const FileChoice &choice);

} // namespace filedialogs
