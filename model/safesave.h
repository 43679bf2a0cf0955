#pragma once

#include <QByteArray>
#include <QString>

namespace model {

// The classification of a failed file operation. The values are the cause
// codes the load and save report shows beside their texts.
enum class FileErrorCause
{
    None = 0,
    Generic = 1,
    FileNotFound = 2,
    BadPath = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    InvalidFile = 6,
    RemoveCurrentDir = 7,
    DirectoryFull = 8,
    BadSeek = 9,
    HardIO = 10,
    SharingViolation = 11,
    LockViolation = 12,
    DiskFull = 13,
    EndOfFile = 14
};

// Why reading or writing a file failed: the cause, the operating system's
// error number (errno, 0 when the fault lies in the file's content) and an
// Italian sentence saying what went wrong.
struct FileError
{
    FileErrorCause cause = FileErrorCause::None;
    int osError = 0;
    QString message;

    [[nodiscard]] bool isError() const { return cause != FileErrorCause::None; }
};

// The cause for an errno value (ENOENT, EACCES, ENOSPC, ...).
[[nodiscard]] FileErrorCause causeFromErrno(int osError);

// Replaces the file at path with bytes without ever leaving a half-written
// file behind: the bytes go to a new temporary file in the same folder, are
// flushed to the disk, and only then renamed over the old file (the folder is
// flushed too). A symbolic link is followed, so its target is replaced; the
// new file keeps the old one's permission bits. Returns a FileError whose
// cause is None on success; on any failure the old file is untouched and the
// temporary file is removed.
[[nodiscard]] FileError safeSave(const QString &path, const QByteArray &bytes);

} // namespace model
