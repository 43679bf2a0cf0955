#pragma once

#include <QString>
#include <QStringList>

// The editor's event log "DOMORA.LOG" as the console shows, edits, copies
// and deletes it. The file is local 8-bit text with CR LF line ends.
namespace console::eventlog {

inline constexpr const char *fileName = "DOMORA.LOG";

// Every line without its line end. A read error keeps the lines read so far.
[[nodiscard]] QStringList readLines(const QString &path);
// Rewrites the file: every line followed by CR LF.
bool writeLines(const QString &path, const QStringList &lines);
// Deletes the log and creates it again empty; false on any file error,
// a missing log included.
bool clear(const QString &path);
// Copies the log to `target`, replacing an existing file.
bool copyTo(const QString &path, const QString &target);

} // namespace console::eventlog
