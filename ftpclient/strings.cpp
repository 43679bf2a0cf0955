#include "ftpclient/strings.h"

namespace ftpStrings {

QString text(Id id)
{
    switch (id) {
    case AboutItem:
        return QStringLiteral("&Informazioni su Skyfetch...");
    case AgentName:
        return QStringLiteral("Skyfetch");
    case NoSession:
        return QStringLiteral(
            "Impossibile stabilire un collegamento col server: per favore controllare la "
            "propria connessione ad Internet.");
    case NotConnected:
        return QStringLiteral("Non è stata stabilita nessuna connessione FTP.");
    case InvalidAddress:
        return QStringLiteral("Inserisci un indirizzo FTP valido.");
    case ConnectionFailed:
        return QStringLiteral(
            "Si sono verificati degli errore durante il collegamento ad Internet o "
            "l'inizializzazione del programma.\r\nPer favore verifica le impostazioni "
            "riguardanti la tua connessione e assicurati che la libreria di rete sia "
            "installata correttamente.");
    case Read:
        return QStringLiteral("&Leggi");
    }
    return {};
}

} // namespace ftpStrings
