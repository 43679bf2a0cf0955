#pragma once

#include "notepad/jottertext.h"

#include <QByteArray>
#include <QString>

// Reading and writing a text document's file. Errors come back as Italian
// sentences for the message box; nothing here shows a window.
namespace documentfile {

// A file larger than this is refused rather than read into memory.
constexpr qint64 maxFileBytes = qint64(256) * 1024 * 1024;

struct Loaded
{
    bool ok = false;
    jottertext::Decoded decoded;
    QString errorString;
};

[[nodiscard]] Loaded load(const QString &path);
[[nodiscard]] bool readBytes(const QString &path, QByteArray &bytes, QString *errorString);

// Writes the bytes to a temporary file in the file's folder and then puts it
// in the file's place, so that a failed save leaves the old file as it was.
// The file keeps its permissions; a symbolic link keeps pointing at the file
// it named, which gets the new content.
bool save(const QString &path, const QByteArray &bytes, QString *errorString);

} // namespace documentfile
