#!/usr/bin/env python3
"""Fills the Italian texts of the toolkit into a .ts file made by lupdate.

    translate_it.py [--allow-missing] <in.ts> <out.ts>

Every source text must have its Italian text here. A missing one is an error;
the build passes --allow-missing (the text then stays in English) and the
language library's test runs without it, so a new text cannot go unnoticed.
"""
import sys
import xml.etree.ElementTree as ET

ITALIAN = {
    "%1: not a skin library": "%1: non è una libreria di stili",
    "&Activate": "&Attiva",
    "&Add >": "&Aggiungi >",
    "&Animate menus": "&Animazione dei menu",
    "&Arguments:": "&Argomenti:",
    "&Assign": "&Assegna",
    "&Category:": "&Categoria:",
    "&Close Window(s)": "&Chiudi finestre",
    "&Copy": "&Copia",
    "&Delete": "&Elimina",
    "&Image...": "&Immagine...",
    "&Initial folder:": "Cartella &iniziale:",
    "&Looks:": "&Stili:",
    "&Minimize": "&Riduci a icona",
    "&New...": "&Nuova...",
    "&Press new shortcut key:": "&Premere il nuovo tasto di scelta rapida:",
    "&Print...": "&Stampa...",
    "&Remove": "&Rimuovi",
    "&Reset": "&Reimposta",
    "&Save": "&Salva",
    "&Separator": "&Separatore",
    "< &Remove": "< &Rimuovi",
    "--- separator ---": "--- separatore ---",
    "All Commands": "Tutti i comandi",
    "All files (*)": "Tutti i file (*)",
    "Assigned to: %1": "Assegnato a: %1",
    "Author: %1": "Autore: %1",
    "Built into the program.": "Incluso nel programma.",
    "Button Image": "Immagine del pulsante",
    "C&ategory:": "C&ategoria:",
    "CAP": "MAIUSC",
    "Cancel": "Annulla",
    "Casca&de": "Sovra&pponi",
    "Cate&gories:": "Cate&gorie:",
    "Close": "Chiudi",
    "Close Full Screen": "Chiudi schermo intero",
    "Co&mmand:": "Co&mando:",
    "Comm&ands:": "Com&andi:",
    "Comma&nds:": "Coma&ndi:",
    "Command": "Comando",
    "Commands": "Comandi",
    "Current &keys:": "&Tasti correnti:",
    "Custom %1": "Personalizzata %1",
    "Customize": "Personalizza",
    "Delete (Delete)": "Elimina (Canc)",
    "Delete the toolbar \"%1\"?": "Eliminare la barra degli strumenti \"%1\"?",
    "Description": "Descrizione",
    "Description:": "Descrizione:",
    "E-mail: %1": "Posta elettronica: %1",
    "Existing": "Esistente",
    "Float": "Mobile",
    "Full Screen": "Schermo intero",
    "Give every command back its original keys?":
        "Ripristinare i tasti di scelta rapida originali di tutti i comandi?",
    "Give every toolbar back its original buttons?":
        "Ripristinare i pulsanti originali di tutte le barre degli strumenti?",
    "Image for \"%1\":": "Immagine per \"%1\":",
    "Initial folder": "Cartella iniziale",
    "Keyboard": "Tastiera",
    "Keyboard Map": "Mappa della tastiera",
    "Keys": "Tasti",
    "Look": "Aspetto",
    "Menu &contents:": "&Contenuto del menu:",
    "Move &Down": "Sposta &giù",
    "Move &Up": "Sposta &su",
    "Move Down (Alt+Down Arrow)": "Sposta giù (Alt+Freccia giù)",
    "Move Up (Alt+Up Arrow)": "Sposta su (Alt+Freccia su)",
    "NUM": "NUM",
    "New": "Nuovo",
    "New (Insert)": "Nuovo (Ins)",
    "New Tool": "Nuovo strumento",
    "New Toolbar": "Nuova barra degli strumenti",
    "No more toolbars can be created.": "Non è possibile creare altre barre degli strumenti.",
    "None": "Nessuna",
    "OK": "OK",
    "Office XP": "Office XP",
    "Options": "Opzioni",
    "Other Commands": "Altri comandi",
    "Preview:": "Anteprima:",
    "Program": "Programma",
    "Re&name...": "Rino&mina...",
    "Recent": "Recenti",
    "Rename Toolbar": "Rinomina barra degli strumenti",
    "Rese&t": "Reimpos&ta",
    "Reset &All": "Reimposta &tutte",
    "Reset A&ll": "Reimposta t&utto",
    "Roll down": "Srotola",
    "Roll up": "Arrotola",
    "SCRL": "BLOC SCORR",
    "Show &ScreenTips on toolbars": "Mostra &descrizioni comandi sulle barre degli strumenti",
    "Show &text labels under the buttons": "Mostra &etichette di testo sotto i pulsanti",
    "Show shortcut &keys in ScreenTips":
        "Mostra i &tasti di scelta rapida nelle descrizioni comandi",
    "Standard": "Standard",
    "Starts %1": "Avvia %1",
    "T&oolbar:": "&Barra degli strumenti:",
    "The address \"%1\" cannot be opened.": "Impossibile aprire l'indirizzo \"%1\".",
    "The keyboard map could not be printed.": "Impossibile stampare la mappa della tastiera.",
    "The tool \"%1\" cannot be started: the program \"%2\" did not start.":
        "Impossibile eseguire lo strumento \"%1\": il programma \"%2\" non si è avviato.",
    "The tool \"%1\" cannot be started: the program \"%2\" was not found.":
        "Impossibile eseguire lo strumento \"%1\": il programma \"%2\" non è stato trovato.",
    "Tile &Horizontally": "Affianca &orizzontalmente",
    "Tile &Vertically": "Affianca &verticalmente",
    "Tool&bars:": "&Barre degli strumenti:",
    "Toolbar name:": "Nome della barra degli strumenti:",
    "Toolbars": "Barre degli strumenti",
    "Tools": "Strumenti",
    "Version: %1.%2": "Versione: %1.%2",
    "Web site: %1": "Sito web: %1",
    "Windows": "Finestre",
}


def main(source, target, allow_missing):
    tree = ET.parse(source)
    missing = []
    for message in tree.getroot().iter("message"):
        text = message.find("source").text
        translation = message.find("translation")
        if text not in ITALIAN:
            missing.append(text)
            continue
        translation.text = ITALIAN[text]
        translation.attrib.pop("type", None)
    if missing and not allow_missing:
        sys.exit("Texts without Italian: " + "; ".join(missing))
    for text in missing:
        print("translate_it.py: no Italian for: " + text, file=sys.stderr)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    arguments = [a for a in sys.argv[1:] if a != "--allow-missing"]
    if len(arguments) != 2:
        sys.exit(__doc__)
    main(arguments[0], arguments[1], "--allow-missing" in sys.argv[1:])
