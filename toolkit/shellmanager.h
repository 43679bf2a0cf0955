#pragma once

#include "toolkit/toolkitglobal.h"

#include <QString>

class QWidget;

namespace toolkit {

// Folder picking for the programs' dialogs.
class TOOLKIT_EXPORT ShellManager
{
public:
    // Lets the user choose a folder of the file system, browsing or typing
    // its path in the edit box. Returns the folder, "" when cancelled.
    [[nodiscard]] QString browseForFolder(QWidget *parent, const QString &title,
                                          const QString &initialFolder = {}) const;
};

} // namespace toolkit
