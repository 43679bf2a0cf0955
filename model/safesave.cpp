#include "safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace model {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("model::safeSave", text);
}

FileError failure(int osError, const QString &message, FileErrorCause cause = FileErrorCause::None)
{
    if (cause == FileErrorCause::None)
        cause = causeFromErrno(osError);
    return {cause, osError, message};
}

// Writes all of bytes, going on after short writes and interruptions.
bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The folder's own entry must reach the disk too, or the rename may be lost
// in a crash. Some file systems cannot flush a folder; that is not an error.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The file that is really replaced: the target of a symbolic link, else the
// path itself made absolute.
QString resolvedTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            return target;
        // A dangling link: write where it points.
        return QFileInfo(info.absoluteDir(), info.symLinkTarget()).absoluteFilePath();
    }
    return info.absoluteFilePath();
}

} // namespace

FileErrorCause causeFromErrno(int osError)
{
    switch (osError) {
    case 0:
        return FileErrorCause::None;
    case ENOENT:
        return FileErrorCause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return FileErrorCause::BadPath;
    case EMFILE:
    case ENFILE:
        return FileErrorCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return FileErrorCause::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileErrorCause::DiskFull;
    case EIO:
        return FileErrorCause::HardIO;
    case EBUSY:
    case ETXTBSY:
        return FileErrorCause::SharingViolation;
    case ESPIPE:
        return FileErrorCause::BadSeek;
    default:
        return FileErrorCause::Generic;
    }
}

FileError safeSave(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return failure(ENOENT, tr("Il percorso del file è vuoto."), FileErrorCause::BadPath);
    const QString target = resolvedTarget(path);
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    const QByteArray nativeTarget = QFile::encodeName(target);

    struct stat oldStat
    {
    };
    const bool oldExists = ::stat(nativeTarget.constData(), &oldStat) == 0;
    if (oldExists && S_ISDIR(oldStat.st_mode))
        return failure(EISDIR, tr("'%1' è una cartella, non un file.").arg(target));

    // A hidden name beside the target, unique among concurrent saves.
    QByteArray nativeTemp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const QString tempName =
            QStringLiteral(".%1.%2.tmp")
                .arg(targetInfo.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        nativeTemp = QFile::encodeName(QDir(folder).filePath(tempName));
        fd = ::open(nativeTemp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int osError = errno;
        return failure(osError,
                       tr("Impossibile creare un file temporaneo nella cartella '%1'.").arg(folder),
                       osError == ENOENT ? FileErrorCause::BadPath : FileErrorCause::None);
    }

    const auto abandon = [&](int osError, const QString &message) {
        ::close(fd);
        ::unlink(nativeTemp.constData());
        return failure(osError, message);
    };

    if (oldExists) {
        if (::fchmod(fd, oldStat.st_mode & 07777) != 0)
            return abandon(errno, tr("Impossibile impostare i permessi del file temporaneo "
                                     "nella cartella '%1'.")
                                      .arg(folder));
        // The old owner too when we may set it; otherwise the new file is ours.
        if (::fchown(fd, oldStat.st_uid, oldStat.st_gid) != 0)
            errno = 0;
    }
    if (!writeAll(fd, bytes))
        return abandon(
            errno, tr("Impossibile scrivere il file temporaneo nella cartella '%1'.").arg(folder));
    if (::fsync(fd) != 0)
        return abandon(errno, tr("Impossibile completare la scrittura su disco nella "
                                 "cartella '%1'.")
                                  .arg(folder));
    if (::close(fd) != 0) {
        const int osError = errno;
        ::unlink(nativeTemp.constData());
        return failure(
            osError,
            tr("Impossibile completare la scrittura su disco nella cartella '%1'.").arg(folder));
    }
    if (::rename(nativeTemp.constData(), nativeTarget.constData()) != 0) {
        const int osError = errno;
        ::unlink(nativeTemp.constData());
        return failure(
            osError, tr("Impossibile sostituire il file '%1' con la nuova versione.").arg(target));
    }
    syncFolder(QFile::encodeName(folder));
    return {};
}

} // namespace model
