#pragma once

#include "model/safesave.h"

#include <QString>

namespace model {

class ArchiveException;

// Default message numbers of a failed open and a failed save, shown in the
// report beside the cause.
inline constexpr quint32 failedToOpenDocMessage = 0xF101;
inline constexpr quint32 failedToSaveDocMessage = 0xF102;

// The Italian text of a cause code of the file-error classification.
[[nodiscard]] QString causeText(int cause);

// The load and save error report (string 61478): what failed, on which file,
// the error's own message (at most 255 characters), the system's error code,
// the cause and the default message number.
[[nodiscard]] QString saveLoadReport(const QString &path, const FileError &error, bool saving,
                                     quint32 defaultMessage);

// An archive error as a file error: a premature end for a truncated archive,
// an invalid file for anything else.
[[nodiscard]] FileError toFileError(const ArchiveException &e);

} // namespace model
