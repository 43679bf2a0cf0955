#include "errorreport.h"

#include "model/archiveexception.h"

#include <QCoreApplication>

namespace model {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CDomoraDoc", text);
}

} // namespace

QString causeText(int cause)
{
    switch (cause) {
    case 0:
        return tr("errore interno, non è stato rilevato nessune errore di I/O");
    case 2:
        return tr("file non trovato");
    case 3:
        return tr("percorso di ricerca non valido");
    case 4:
        return tr("ci sono troppi file aperti");
    case 5:
        return tr("accesso negato");
    case 6:
        return tr("file non valido");
    case 9:
        return tr("errore interno, impossibile impostare il puntatore al file");
    case 10:
        return tr("errore hardware");
    case 11:
        return tr("violazione della condivisione");
    case 12:
        return tr("impossibile bloccare una regione già bloccata");
    case 13:
        return tr("disco pieno");
    case 14:
        return tr("fine prematura del file");
    default:
        return tr("causa sconosciuta o errore generico");
    }
}

QString saveLoadReport(const QString &path, const FileError &error, bool saving,
                       quint32 defaultMessage)
{
    const int cause = static_cast<int>(error.cause);
    const auto hex = [](quint32 v) { return QString::number(v, 16); };
    return tr("Si è verificato un problema durante la '%1' del file:\n'%2'\n\n%3\n\n"
              "Codice del SO per l'errore: '0x%4'\nCausa dell'errore: %5 ('0x%6').\n"
              "Messaggio d'errore predefinito: '0x%7'")
        .arg(saving ? tr("scrittura") : tr("lettura"), path, error.message.left(255),
             hex(static_cast<quint32>(error.osError)), causeText(cause),
             hex(static_cast<quint32>(cause)), hex(defaultMessage));
}

FileError toFileError(const ArchiveException &e)
{
    return {static_cast<FileErrorCause>(e.fileCause()), 0, e.message()};
}

} // namespace model
