#pragma once

#include <QString>

#include <functional>

namespace updater {

// Reports the file or folder about to be installed and the destination
// folder it goes into ("" at the top level).
using CopyProgress = std::function<void(const QString &name, const QString &destinationFolder)>;

// Installs one folder level of the staging tree into destinationFolder and
// recurses into its subfolders. Both paths are relative to the current
// folder (the program folder) or absolute; destinationFolder is "" or ends
// with '/'.
//
// - A subfolder named "@SYSTEM" (in any case) is left untouched.
// - Other subfolders are created at the destination (an existing folder is
//   fine) and installed in turn; staged folders stay even when emptied.
// - A file overwrites its destination; the staged copy is deleted after a
//   good copy and kept after a failed one, so a later run can try again.
// - Symbolic links are never followed nor copied: a link in the staging
//   tree could point anywhere on the disk.
void CopyTree(const QString &sourceFolder, const QString &destinationFolder,
              const CopyProgress &progress = {});

} // namespace updater
