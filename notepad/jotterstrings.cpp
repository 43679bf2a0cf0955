#include "notepad/jotterstrings.h"

#include <QHash>
#include <QStringList>

namespace jotterstrings {

QString text(int id)
{
    static const QHash<int, QString> table = {
        {OleInitFailed, QStringLiteral("Impossibile inizializzare gli appunti e il trascinamento "
                                       "dei file: il programma non può essere avviato.")},
        {StandardToolBar, QStringLiteral("Standard")},
        {WindowsMenuItem, QStringLiteral("&Finestre...")},
        {AppTitle, QStringLiteral("Jotter")},
        {DocTemplateString, QStringLiteral("\nDocumento\nDocumenti (*.txt)\nDocumenti di testo "
                                           "(*.txt)\n.txt\nJotter.Document\nDocumento di testo")},
        {FrameworkAppTitle, QStringLiteral("Jotter")},
        {Idle, QStringLiteral("Pronto")},
        {LocalePackMissing,
         QStringLiteral("Errore durante il caricamento della libreria a collegamento dinamico "
                        "LOCALEPACK.DLL, impossibile avviare il programma!")},
        {AskToSave, QStringLiteral("Salvare le modifiche apportate a %1?")},
        {OpenFailed, QStringLiteral("Impossibile aprire il documento %1.\n%2")},
        {SaveFailed, QStringLiteral("Impossibile salvare il documento %1.\n%2\nIl file su disco "
                                    "non è stato modificato.")},
        {EncodingChanged,
         QStringLiteral("Il documento %1 contiene caratteri che la codifica Windows-1252 del file "
                        "non può rappresentare.\nSe si continua, il file verrà salvato con la "
                        "codifica UTF-8.")},
        {TextNotFound, QStringLiteral("Impossibile trovare \"%1\".")},
        {PrintFailed, QStringLiteral("Impossibile stampare il documento %1.")},
        {MailFailed, QStringLiteral("Impossibile avviare il programma di posta elettronica "
                                    "(xdg-email). Il documento non è stato inviato.")},
        {MailPrepareFailed,
         QStringLiteral("Impossibile preparare l'allegato del documento %1.\n%2")},
        {AllFilesFilter, QStringLiteral("Tutti i file (*)")},
        {RecentFilesPlaceholder, QStringLiteral("Documenti recenti")},
        {NoPrinters, QStringLiteral("Nessuna stampante installata. Installarne una dalle "
                                    "impostazioni del sistema; per ottenere un file PDF usare il "
                                    "comando Stampa.")},
        {PrintToFailed, QStringLiteral("La stampante \"%1\" non è disponibile.")},
    };
    return table.value(id);
}

DocTemplate parseDocTemplate(const QString &templateString)
{
    const QStringList parts = templateString.split(QLatin1Char('\n'));
    DocTemplate t;
    t.windowTitle = parts.value(0);
    t.docName = parts.value(1);
    t.fileNewName = parts.value(2);
    t.filterName = parts.value(3);
    t.filterExt = parts.value(4);
    t.regFileTypeId = parts.value(5);
    t.regFileTypeName = parts.value(6);
    return t;
}

} // namespace jotterstrings
