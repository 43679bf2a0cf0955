#include "notepad/jottercommands.h"

#include "notepad/jottericons.h"
#include "notepad/jotterstrings.h"

#include "toolkit/commandids.h"
#include "toolkit/commandtable.h"

#include <QAction>

namespace jottercmd {

namespace {

using toolkit::CommandInfo;
namespace cmd = toolkit::cmd;

QList<QKeySequence> keys(std::initializer_list<const char *> texts)
{
    QList<QKeySequence> list;
    for (const char *text : texts)
        list.append(QKeySequence(QString::fromLatin1(text)));
    return list;
}

} // namespace

void registerCommands(toolkit::CommandTable &commands)
{
    struct Entry
    {
        int id;
        const char *text;
        const char *prompt;
        QList<QKeySequence> shortcuts;
    };
    const Entry entries[] = {
        {cmd::FileNew, "&Nuovo", "Crea un nuovo documento\nNuovo", keys({"Ctrl+N"})},
        {cmd::FileOpen, "&Apri...", "Apre un documento esistente\nApri", keys({"Ctrl+O"})},
        {cmd::FileClose, "&Chiudi", "Chiude il documento attivo\nChiudi", {}},
        {cmd::FileSave, "&Salva", "Salva il documento attivo\nSalva", keys({"Ctrl+S"})},
        {cmd::FileSaveAs,
         "Salva con n&ome...",
         "Salva il documento attivo con un nuovo nome\nSalva con nome",
         {}},
        {cmd::FilePrint, "Stam&pa...", "Stampa il documento attivo\nStampa", keys({"Ctrl+P"})},
        {cmd::FilePrintDirect,
         "Stampa diretta",
         "Stampa il documento attivo sulla stampante predefinita\nStampa diretta",
         {}},
        {cmd::FilePrintPreview,
         "An&teprima di stampa...",
         "Mostra le pagine intere come verranno stampate\nAnteprima di stampa",
         {}},
        {cmd::FilePrintSetup,
         "Imposta sta&mpante...",
         "Cambia la stampante, la carta e le opzioni di stampa\nImposta stampante",
         {}},
        {cmd::FileSendMail,
         "&Invia...",
         "Invia il documento attivo come allegato di un messaggio di posta elettronica\nInvia",
         {}},
        {cmd::AppExit, "&Esci", "Chiude il programma chiedendo se salvare i documenti\nEsci", {}},
        {cmd::EditUndo, "&Annulla", "Annulla l'ultima modifica\nAnnulla",
         keys({"Ctrl+Z", "Alt+Backspace"})},
        {cmd::EditCut, "&Taglia", "Taglia la selezione e la inserisce negli Appunti\nTaglia",
         keys({"Ctrl+X", "Shift+Del"})},
        {cmd::EditCopy, "&Copia", "Copia la selezione e la inserisce negli Appunti\nCopia",
         keys({"Ctrl+C", "Ctrl+Ins"})},
        {cmd::EditPaste, "&Incolla", "Inserisce il contenuto degli Appunti\nIncolla",
         keys({"Ctrl+V", "Shift+Ins"})},
        {cmd::EditClear, "Ca&ncella", "Cancella la selezione\nCancella", {}},
        {cmd::EditSelectAll,
         "&Seleziona tutto",
         "Seleziona l'intero documento\nSeleziona tutto",
         {}},
        {cmd::EditFind, "C&erca...", "Cerca il testo specificato\nCerca", {}},
        {cmd::EditReplace,
         "S&ostituisci...",
         "Sostituisce il testo specificato con un testo diverso\nSostituisci",
         {}},
        {cmd::EditRepeat, "Trova &successivo", "Ripete l'ultima ricerca\nTrova successivo",
         keys({"F3"})},
        {cmd::ViewToolBar,
         "Standard",
         "Mostra o nasconde la barra degli strumenti Standard\nBarra Standard",
         {}},
        {cmd::ViewStatusBar,
         "Barra di &stato",
         "Mostra o nasconde la barra di stato\nBarra di stato",
         {}},
        {ToolBarsPlaceholder,
         "&Barre degli strumenti",
         "Mostra o nasconde le barre degli strumenti\nBarre degli strumenti",
         {}},
        {Customize,
         "&Personalizza...",
         "Personalizza barre degli strumenti, menu, tasti e aspetto\nPersonalizza",
         {}},
        {cmd::WindowNew,
         "&Nuova finestra",
         "Apre un'altra finestra sul documento attivo\nNuova finestra",
         {}},
        {cmd::WindowCascade, "Cascata", "Dispone le finestre sovrapposte\nCascata", {}},
        {cmd::WindowTileHorz,
         "&Affianca",
         "Dispone le finestre affiancate, senza sovrapporle\nAffianca",
         {}},
        {cmd::WindowArrange,
         "&Disponi icone",
         "Dispone le icone delle finestre ridotte a icona\nDisponi icone",
         {}},
        {WindowsDialog, "&Finestre...", "Elenca le finestre aperte e le gestisce\nFinestre", {}},
        {cmd::NextPane, "Riquadro successivo",
         "Passa alla finestra successiva\nRiquadro successivo", keys({"F6"})},
        {cmd::PrevPane, "Riquadro precedente",
         "Torna alla finestra precedente\nRiquadro precedente", keys({"Shift+F6"})},
        {KeyboardMap,
         "&Mappa della tastiera...",
         "Mostra i tasti di scelta rapida di ogni comando\nMappa della tastiera",
         {}},
        {cmd::AppAbout,
         "&Informazioni su Jotter...",
         "Mostra le informazioni sul programma, la versione e il copyright\nInformazioni",
         {}},
    };
    for (const Entry &e : entries)
        commands.add(CommandInfo(e.id, QString::fromUtf8(e.text), QString::fromUtf8(e.prompt),
                                 jottericons::commandIcon(e.id), e.shortcuts));

    for (int id = cmd::FileMruFirst; id < cmd::FileMruFirst + recentFileCount; ++id)
        commands.add(CommandInfo(id, jotterstrings::text(jotterstrings::RecentFilesPlaceholder),
                                 QStringLiteral("Apre questo documento\nDocumento recente")));
    for (int id = UserToolBarFirst; id <= UserToolBarLast; ++id)
        commands.add(CommandInfo(id, QStringLiteral("<Barra personalizzata>"),
                                 QStringLiteral("Mostra o nasconde la barra degli strumenti "
                                                "personalizzata\nBarra personalizzata"),
                                 {}, {}, true));
    commands.action(cmd::ViewToolBar)->setCheckable(true);
    commands.action(cmd::ViewStatusBar)->setCheckable(true);
}

} // namespace jottercmd
