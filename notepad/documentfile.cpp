#include "notepad/documentfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace documentfile {

namespace {

QString describe(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("Accesso negato.");
    case QFileDevice::ReadError:
        return QStringLiteral("Errore durante la lettura del file.");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return QStringLiteral("Errore durante la scrittura del file (il disco potrebbe essere "
                              "pieno).");
    case QFileDevice::RenameError:
        return QStringLiteral("Impossibile sostituire il file con la nuova versione.");
    case QFileDevice::OpenError:
        return QStringLiteral("Impossibile aprire il file.");
    default:
        return QStringLiteral("Errore del file system.");
    }
}

void setError(QString *errorString, const QString &text)
{
    if (errorString)
        *errorString = text;
}

} // namespace

bool readBytes(const QString &path, QByteArray &bytes, QString *errorString)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        setError(errorString, QStringLiteral("Il file non esiste."));
        return false;
    }
    if (info.isDir()) {
        setError(errorString, QStringLiteral("Il nome indica una cartella, non un file."));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(errorString, describe(file.error()));
        return false;
    }
    // Devices and pipes report no size: read them up to the limit.
    if (file.size() > maxFileBytes) {
        setError(errorString, QStringLiteral("Il file è troppo grande per essere aperto (oltre "
                                             "256 MB)."));
        return false;
    }
    bytes = file.read(maxFileBytes + 1);
    if (bytes.size() > maxFileBytes) {
        bytes.clear();
        setError(errorString, QStringLiteral("Il file è troppo grande per essere aperto (oltre "
                                             "256 MB)."));
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        setError(errorString, describe(file.error()));
        return false;
    }
    return true;
}

Loaded load(const QString &path)
{
    Loaded result;
    QByteArray bytes;
    if (!readBytes(path, bytes, &result.errorString))
        return result;
    result.decoded = jottertext::decode(bytes);
    result.ok = true;
    return result;
}

bool save(const QString &path, const QByteArray &bytes, QString *errorString)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        setError(errorString, QStringLiteral("Il nome indica una cartella, non un file."));
        return false;
    }
    if (info.exists() && !info.isWritable()) {
        setError(errorString, QStringLiteral("Il file è di sola lettura."));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo folder(info.absolutePath());
        if (!folder.exists())
            setError(errorString, QStringLiteral("La cartella non esiste."));
        else if (!folder.isWritable())
            setError(errorString, QStringLiteral("Nella cartella non si possono creare file: "
                                                 "accesso negato."));
        else
            setError(errorString, describe(file.error()));
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        setError(errorString, describe(file.error()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(errorString, describe(file.error()));
        return false;
    }
    return true;
}

} // namespace documentfile
