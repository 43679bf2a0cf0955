// Shows a frame built on the toolkit, and on request one of its dialogs, so
// that a person can look at them (tests/screenshots under Xvfb).
//   toolkit_gallery [frame|customize|keymap|windows|neworopen|colors|editlist|menu]
//                   [xp|standard|<skin name>]
#include "toolkit/colorbutton.h"
#include "toolkit/commandids.h"
#include "toolkit/customizedialog.h"
#include "toolkit/dockbar.h"
#include "toolkit/editlistbox.h"
#include "toolkit/keymapdialog.h"
#include "toolkit/languagelibrary.h"
#include "toolkit/mdiframe.h"
#include "toolkit/menubar.h"
#include "toolkit/menubutton.h"
#include "toolkit/neworopendialog.h"
#include "toolkit/popupmenu.h"
#include "toolkit/skinmanager.h"
#include "toolkit/statusbar.h"
#include "toolkit/toolbarcombobox.h"
#include "toolkit/usertoolsmanager.h"
#include "toolkit/visualmanagerxp.h"
#include "toolkit/windowsdialog.h"
#include "toolkit/workspace.h"

#include "platform/registry.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

using namespace toolkit;

namespace {

QIcon glyph(int kind)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colors[] = {QColor(0x2a, 0x6a, 0xc8), QColor(0xd8, 0xa0, 0x20),
                             QColor(0x30, 0x98, 0x40), QColor(0xc0, 0x30, 0x30),
                             QColor(0x70, 0x40, 0xa0)};
    const QColor c = colors[kind % 5];
    p.setPen(QPen(c.darker(150), 1));
    p.setBrush(c.lighter(kind % 2 ? 130 : 100));
    switch (kind % 4) {
    case 0:
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        break;
    case 1:
        p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
        break;
    case 2:
        p.drawPolygon(QPolygonF({QPointF(8, 1.5), QPointF(14.5, 14.5), QPointF(1.5, 14.5)}));
        break;
    default:
        p.drawRoundedRect(QRectF(1.5, 4.5, 13, 8), 2, 2);
        break;
    }
    return QIcon(pm);
}

class Gallery : public MdiFrame
{
public:
    Gallery()
    {
        setWindowTitle("Domora - Pianta1.fpd");
        CommandTable &c = commands();
        struct Cmd
        {
            int id;
            const char *text;
            const char *prompt;
            const char *key;
        };
        const Cmd list[] = {
            {cmd::FileNew, "&Nuovo\tCtrl+N", "Crea un nuovo documento\nNuovo", "Ctrl+N"},
            {cmd::FileOpen, "&Apri...\tCtrl+O", "Apre un documento esistente\nApri", "Ctrl+O"},
            {cmd::FileSave, "&Salva\tCtrl+S", "Salva il documento attivo\nSalva", "Ctrl+S"},
            {cmd::FilePrint, "Stam&pa...\tCtrl+P", "Stampa il documento attivo\nStampa", "Ctrl+P"},
            {cmd::AppExit, "&Esci", "Chiude l'applicazione\nEsci", ""},
            {cmd::EditUndo, "&Annulla\tCtrl+Z", "Annulla l'ultima operazione\nAnnulla", "Ctrl+Z"},
            {cmd::EditCut, "&Taglia\tCtrl+X", "Taglia la selezione\nTaglia", "Ctrl+X"},
            {cmd::EditCopy, "&Copia\tCtrl+C", "Copia la selezione\nCopia", "Ctrl+C"},
            {cmd::EditPaste, "&Incolla\tCtrl+V", "Incolla dagli Appunti\nIncolla", "Ctrl+V"},
            {32822, "Barra &disegno", "Mostra o nasconde la barra degli strumenti per il disegno",
             ""},
            {112, "Barra &informazioni", "Mostra o nasconde la barra delle informazioni", ""},
            {169, "Finestra di &progetto", "Mostra o nasconde la finestra di progetto", ""},
            {cmd::ViewStatusBar, "Barra di &stato", "Mostra o nasconde la barra di stato", ""},
            {33226, "Schermo &intero", "Attiva o disattiva la modalità Schermo Intero", ""},
            {32771, "&Personalizza...", "Personalizza le barre degli strumenti ed i menu", ""},
            {32970, "&Mappa della tastiera...",
             "Mostra un riepilogo delle scorciatoie da tastiera attive al momento", ""},
            {33001, "&Stanza", "Disegna una stanza\nStanza", ""},
            {33002, "&Muro", "Disegna un muro\nMuro", ""},
            {33003, "&Porta", "Inserisce una porta\nPorta", ""},
            {33004, "&Testo", "Inserisce un testo\nTesto", ""},
            {cmd::WindowCascade, "&Sovrapponi", "Dispone le finestre sovrapposte", ""},
            {cmd::WindowTileHorz, "&Affianca", "Dispone le finestre affiancate", ""},
            {cmd::AppAbout, "&Informazioni su Domora...", "Mostra le informazioni sul programma",
             ""},
        };
        int k = 0;
        for (const Cmd &cmdInfo : list)
            c.add({cmdInfo.id, cmdInfo.text, cmdInfo.prompt, glyph(k++),
                   cmdInfo.key[0] ? QList<QKeySequence>{QKeySequence(cmdInfo.key)}
                                  : QList<QKeySequence>{},
                   false});
        setFullScreenCommand(33226);
        setCustomizeCommand(32771);
        enableUserToolBars(59432, 59441);
        enableWindowsDialog(118, "&Finestre...");

        MenuBar *bar = createMenuBar();
        bar->setShowToolTips(true);
        MenuBar::setHighlightDisabledItems(true);
        PopupMenu *file = bar->addPopup("&File");
        for (int id :
             {cmd::FileNew, cmd::FileOpen, cmd::FileSave, 0, cmd::FilePrint, 0, int(cmd::AppExit)})
            file->addCommand(id);
        PopupMenu *edit = bar->addPopup("&Modifica");
        for (int id : {cmd::EditUndo, 0, cmd::EditCut, cmd::EditCopy, cmd::EditPaste})
            edit->addCommand(id);
        PopupMenu *view = bar->addPopup("&Visualizza");
        for (int id : {32822, 112, 169, int(cmd::ViewStatusBar), 0, 33226})
            view->addCommand(id);
        PopupMenu *draw = bar->addPopup("&Disegno");
        draw->setTearOffId(0);
        for (int id : {33001, 33002, 33003, 33004})
            draw->addCommand(id);
        PopupMenu *tools = bar->addPopup("S&trumenti");
        tools->addCommand(32971);
        tools->addCommand(0);
        tools->addCommand(32771);
        tools->addCommand(32970);
        PopupMenu *windows = bar->addPopup("Fi&nestre");
        windows->addCommand(cmd::WindowCascade);
        windows->addCommand(cmd::WindowTileHorz);
        setWindowMenu(windows);
        bar->addPopup("&?")->addCommand(cmd::AppAbout);
        QFont side("DejaVu Sans", 11, QFont::Bold, true);
        bar->setSideText("Domora", side);

        ToolBar *standard = createToolBar(59392, "Standard",
                                          {{cmd::FileNew},
                                           {cmd::FileOpen},
                                           {cmd::FileSave},
                                           {0},
                                           {cmd::EditCut},
                                           {cmd::EditCopy},
                                           {cmd::EditPaste},
                                           {0},
                                           {cmd::FilePrint}});
        c.addWidgetCommand(
            {114, "Stile stanza", "Applica uno degli stili predefiniti"}, [](QWidget *parent) {
                auto *box = new ToolBarComboBox(parent);
                for (const char *t :
                     {"Cucina", "Bagno", "Camera da letto", "Sala/salotto", "Giardino"})
                    box->addCommandItem(t, 0);
                return box;
            });
        ToolBar *format = createToolBar(32822, "Formattazione", {{114}, {0}, {cmd::EditUndo}});
        ToolBar *drawing =
            createToolBar(32823, "Strumenti di disegno", {{33001}, {33002}, {33003}, {33004}},
                          Qt::LeftToolBarArea | Qt::RightToolBarArea);
        dockToolBar(standard, Qt::TopToolBarArea);
        dockToolBar(format, Qt::TopToolBarArea);
        dockToolBar(drawing, Qt::LeftToolBarArea);

        auto *info = new QWidget;
        auto *infoLayout = new QHBoxLayout(info);
        infoLayout->addWidget(new QLabel("X: 120 mm   Y: 85 mm"));
        infoLayout->addWidget(new QLabel("Lunghezza: 4,25 m"));
        infoLayout->addStretch();
        DialogBar *infoBar = createDialogBar(112, "Informazioni", info);
        infoBar->setRollUpType(4);
        dockBar(infoBar, Qt::BottomDockWidgetArea);
        auto *projectTree = new QLabel("  Progetto: Via Roma 12\n    Pianta1.fpd\n    Pianta2.fpd");
        projectTree->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        projectTree->setAutoFillBackground(true);
        dockBar(createSizingBar(169, "Progetto", projectTree, {200, 200}), Qt::LeftDockWidgetArea);
        StatusBar *status = createStatusBar(
            {0, 0xE710, 0xE711, cmd::IndicatorCaps, cmd::IndicatorNum, cmd::IndicatorScroll});
        status->setPaneText(0, "Pronto");
        status->setPaneText(1, "x=120 y=85");
        status->setPaneText(2, "210x297 mm");

        enableMdiTabs(true, true, TabLocation::Bottom);
        for (const char *name : {"Pianta1.fpd", "Pianta2.fpd", "Cartello.fpd"}) {
            auto *doc = new QLabel(QString("Documento %1").arg(name));
            doc->setAlignment(Qt::AlignCenter);
            doc->setAutoFillBackground(true);
            doc->setStyleSheet("background: white");
            QMdiSubWindow *w = mdiArea()->addSubWindow(doc);
            w->setWindowTitle(name);
            w->setWindowIcon(glyph(1));
            w->show();
        }
        resize(1000, 720);
    }

    bool handleCommand(int id) override
    {
        if (id == 32771) {
            showCustomizeDialog(CustomizeDialog::AllFlags);
            return true;
        }
        if (id == 32970) {
            showKeyMapDialog();
            return true;
        }
        return MdiFrame::handleCommand(id);
    }
    bool updateCommand(int id, CommandUpdate &update) override
    {
        if (id == cmd::EditPaste) {
            update.enabled = false;
            return true;
        }
        if (id > 0 && id != 118 &&
            CommandTable::withoutMnemonic(commands().action(id)->text()).size())
            MdiFrame::updateCommand(id, update);
        return true;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("frame");
    const QString look = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("xp");
    // As the programs do: the toolkit's texts come from the language library.
    const auto language =
        LanguageLibrary::load(QCoreApplication::applicationDirPath() + "/../Domora/localepack.so");
    if (language)
        language->install();
    QTemporaryDir store;
    platform::Registry::setStoreFolder(store.path());
    Workspace workspace("Gallery");
    workspace.initKeyboardManager();
    workspace.initContextMenuManager();
    workspace.enableTearOffMenus(61460, 61474);
    workspace.enableUserTools(32971, 119, 128);
    workspace.initSkinManager(QCoreApplication::applicationDirPath() + "/../Domora/Skins");
    for (const char *t :
         {"Blocco appunti", "Chromatrix", "Management console", "FTP browser", "Rubblefall"})
        workspace.userToolsManager()->addTool({t, QString("/opt/domora/%1").arg(t)});
    if (look == "standard")
        VisualManager::setDefaultManager(nullptr);
    else if (workspace.skinManager()->findSkin(look) >= 0)
        workspace.skinManager()->setActiveSkin(workspace.skinManager()->findSkin(look));
    else
        VisualManager::setDefaultManager(std::make_unique<VisualManagerXP>());

    Gallery frame;
    frame.loadFrame();
    frame.show();
    QTimer::singleShot(300, &frame, [&] {
        QWidget *shown = nullptr;
        if (what == "customize") {
            // Through the modal layer, as the programs open it.
            CustomizeDialog dialog(frame);
            if (argc > 3)
                dialog.pages()->setCurrentIndex(QString(argv[3]).toInt());
            dialog.run();
            return;
        } else if (what == "keymap") {
            shown = new KeyMapDialog(frame);
        } else if (what == "windows") {
            shown = new WindowsDialog(frame);
        } else if (what == "neworopen") {
            auto *d = new NewOrOpenDialog("Domora", {"Documenti di Domora (*.fpd)"}, &frame);
            d->setImageList({glyph(0), glyph(1), glyph(2), glyph(3)});
            d->addNewItem("Creazione guidata", 1);
            d->addNewItem("Normale", 3);
            d->addNewItem("Cartello", 0);
            d->addNewItem("Printnet", 2);
            shown = d;
        } else if (what == "colors") {
            auto *host = new QWidget(&frame, Qt::Dialog);
            auto *layout = new QHBoxLayout(host);
            auto *button = new ColorButton(host);
            button->enableAutomaticButton("Automatico", Qt::black);
            button->enableOtherButton("Altri colori...");
            button->setDocumentColors("Colori del documento", {Qt::red, QColor(0xE1F0E1)});
            ColorButton::setColorName(Qt::red, "Rosso");
            button->setColor(QColor(0x33, 0x66, 0xFF));
            layout->addWidget(new QLabel("Colore:"));
            layout->addWidget(button);
            host->resize(300, 80);
            host->show();
            QTimer::singleShot(200, button, &ColorButton::showPalette);
            return;
        } else if (what == "editlist") {
            auto *host = new QWidget(&frame, Qt::Dialog);
            host->setWindowTitle("Visualizzatore degli eventi");
            auto *layout = new QHBoxLayout(host);
            auto *list = new EditListBox(host);
            list->setCaption("Visualizzatore eventi");
            list->setItems(
                {"[12/03/2026 10:12:01] Domora avviato", "[12/03/2026 10:15:22] Errore #3"});
            layout->addWidget(list);
            auto *menuButton = new MenuButton(host);
            menuButton->setText("Report");
            menuButton->addCommand(32771, "&Creazione guidata di un rapporto...");
            layout->addWidget(menuButton);
            host->resize(520, 260);
            shown = host;
        } else if (what == "menu") {
            auto *menu = frame.toolkitMenuBar()->popups().at(1);
            menu->popup(frame.mapToGlobal(QPoint(60, 40)));
            menu->setActiveAction(menu->actions().at(2));
            return;
        } else if (what == "fullscreen") {
            frame.setFullScreenMode(true);
            return;
        } else if (what == "tearoff") {
            auto *menu = frame.toolkitMenuBar()->popups().at(3);
            menu->popup(frame.mapToGlobal(QPoint(180, 40)));
            return;
        } else if (what == "toolerror") {
            frame.routeCommand(workspace.userToolsManager()->commandOf(1));
            return;
        } else if (what == "tools") {
            auto *menu = frame.toolkitMenuBar()->popups().at(4);
            menu->popup(frame.mapToGlobal(QPoint(260, 40)));
            return;
        }
        if (shown)
            shown->show();
    });
    return app.exec();
}
