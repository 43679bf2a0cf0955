#include "consolestrings.h"

#include <QCoreApplication>

namespace console {

QString consoleString(int id)
{
    switch (id) {
    case strings::AboutMenuItem:
        return QCoreApplication::translate("console", "&Informazioni su...");
    case strings::BugReportCaption:
        return QCoreApplication::translate("console", "Rapporto sugli errori");
    case strings::PageConfigurationTitle:
        return QCoreApplication::translate("console", "Informazioni sulla configurazione");
    case strings::PageActivityTitle:
        return QCoreApplication::translate("console", "Operazioni in corso");
    case strings::PageErrorTitle:
        return QCoreApplication::translate("console", "Descrizione dell'errore");
    case strings::PageBehaviourTitle:
        return QCoreApplication::translate("console", "Comportamento dell'applicazione");
    case strings::PageSummaryTitle:
        return QCoreApplication::translate("console", "Riepilogo informazioni");
    case strings::PageConfigurationSubtitle:
        return QCoreApplication::translate(
            "console", "Raccolta delle informazioni riguardanti la configurazione hardware e "
                       "software della macchina.");
    case strings::PageActivitySubtitle:
        return QCoreApplication::translate(
            "console", "Raccolta delle informazioni riguardanti lo stato dell'applicazione.");
    case strings::PageErrorSubtitle:
        return QCoreApplication::translate(
            "console", "Descrizione particolareggiata della situazione d'errore.");
    case strings::PageBehaviourSubtitle:
        return QCoreApplication::translate(
            "console", "Comportamento atteso dall'applicazione e comportamento reale dopo il "
                       "verificarsi dell'errore.");
    case strings::PageSummarySubtitle:
        return QCoreApplication::translate("console",
                                           "Riepilogo delle informazioni inserite e preparazione "
                                           "all'invio del rapporto.");
    case strings::MailSessionFailed:
        return QCoreApplication::translate(
            "console", "Errore durante l'inizializzazione di una nuova sessione MAPI.");
    case strings::MailSendFailed:
        return QCoreApplication::translate(
            "console", "Errore durante l'invio di un nuovo messaggio di posta elettronica.");
    default:
        return {};
    }
}

} // namespace console
