#include "strings.h"

#include <QCoreApplication>
#include <QHash>

QString editorString(int id)
{
    static const QHash<int, const char *> table = {
        {strings::WinsockInitFailed,
         QT_TRANSLATE_NOOP("Domora", "Inizializzazione dei socket di Windows non riuscita.")},
        {strings::LocalePackMissing,
         QT_TRANSLATE_NOOP(
             "Domora", "Si è verificato un errore durante la lettura del file LOCALEPACK.DLL: il "
                       "file non è stato trovato oppure non è una libreria valida. Tale file è "
                       "necessario per l'esecuzione del programma, si consiglia di ripristinarlo "
                       "dai supporti di installazione.\n\nL'esecuzione del programma sarà "
                       "terminata.")},
        {strings::AppName, QT_TRANSLATE_NOOP("Domora", "Domora")},
        {strings::OleInitFailed,
         QT_TRANSLATE_NOOP(
             "Domora",
             "Errore durante l'inizializzazione del client OLE per questa applicazione.")},
    };
    const auto it = table.find(id);
    if (it == table.end())
        return {};
    return QCoreApplication::translate("Domora", it.value());
}
