// Shows one of the editing dialogs with sample contents, for looking at it:
//   editing_gallery <name> [page]
// Names: number, roomtype, doctype, library, background, font, opening,
// segment, room, rect, text, wall, wallstyle, autoformat.

#include "editinghelpers.h"

#include "editor/cautoformatwizard.h"
#include "editor/cbackgroundpage.h"
#include "editor/cdoctypedlg.h"
#include "editor/cfontsheet.h"
#include "editor/clibraryimagedlg.h"
#include "editor/cnumberdlg.h"
#include "editor/copeningsheet.h"
#include "editor/crectsheet.h"
#include "editor/croomsheet.h"
#include "editor/croomtypedlg.h"
#include "editor/csegmentdlg.h"
#include "editor/ctextsheet.h"
#include "editor/cwallsheet.h"
#include "editor/cwallstylewizard.h"
#include "editor/tools/roompresets.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "platform/paths.h"
#include "platform/registry.h"

#include <QApplication>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>

#include <memory>

using namespace editingtest;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::setProgramFolder(QStringLiteral(DOMORA_PROGRAM_DIR));
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("room");
    const int page = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;

    CDomoraDoc doc;
    doc.OnNewDocument({});
    auto *room = static_cast<CDrawPoly *>(doc.AddObject(
        editing::makeRoom(pts({{20, 20}, {120, 20}, {120, 70}, {60, 90}, {20, 70}}))));
    editing::applyPreset(*room, editing::RoomPreset::Sala);
    auto segments = room->segmentStyles();
    segments[0].openings = {door(20, 30)};
    segments[0].description = QStringLiteral("Parete verso il corridoio");
    segments[3].description = QStringLiteral("Finestra sul cortile");
    room->setSegmentStyles(segments);
    platform::Registry registry(QStringLiteral("Domora"));

    std::unique_ptr<QWidget> window;
    if (name == QLatin1String("number")) {
        window = std::make_unique<CNumberDlg>(QStringLiteral("Suddividi segmento"),
                                              QStringLiteral("&Seleziona il numero di vertici da "
                                                             "aggiungere:"),
                                              1, 1, 30);
    } else if (name == QLatin1String("roomtype")) {
        window = std::make_unique<CRoomTypeDlg>();
    } else if (name == QLatin1String("doctype")) {
        window = std::make_unique<CDocTypeDlg>();
    } else if (name == QLatin1String("library")) {
        auto dialog = std::make_unique<CLibraryImageDlg>();
        dialog->setCaption(QStringLiteral("Seleziona oggetto"));
        dialog->setLibraryFolder(QStringLiteral("Library/Oggetti"));
        dialog->setAllowSizeChoice(true);
        dialog->setFoldableDetails(true);
        dialog->ensureInitialised();
        const auto found = dialog->tree()->findItems(QStringLiteral("Bagno"),
                                                     Qt::MatchExactly | Qt::MatchRecursive);
        if (!found.isEmpty()) {
            dialog->tree()->setCurrentItem(found.first());
            dialog->list()->setCurrentRow(2);
        }
        if (page == 1)
            dialog->toggleDetails();
        window = std::move(dialog);
    } else if (name == QLatin1String("background")) {
        BrushStyle style;
        style.fillKind = page == 1 ? BrushStyle::fillTexture : BrushStyle::fillGradient;
        style.color1 = 0xFFF4AECB;
        style.color2 = 0x80FFFFFF;
        style.gradientMode = 1;
        style.texturePath = platform::programFolder() +
                            QStringLiteral("Library/Textures e motivi di riempimento/Cotto.jpg");
        style.textureScale = 0.1f;
        auto page = std::make_unique<CBackgroundPage>(style);
        page->setWindowTitle(QStringLiteral("Sfondo"));
        window = std::move(page);
    } else if (name == QLatin1String("font")) {
        auto sheet = std::make_unique<CFontSheet>(room->label());
        sheet->tabs()->setCurrentIndex(page);
        window = std::move(sheet);
    } else if (name == QLatin1String("opening")) {
        window = std::make_unique<COpeningSheet>(COpeningSheet::Purpose::Insert,
                                                 model::OpeningProperties());
    } else if (name == QLatin1String("segment")) {
        window = std::make_unique<CSegmentDlg>(QStringLiteral("Parete verso il corridoio"),
                                               geokit::Point{20, 20}, geokit::Point{120, 20}, 0.5);
    } else if (name == QLatin1String("room")) {
        auto sheet = std::make_unique<CRoomSheet>(doc, *room);
        sheet->tabs()->setCurrentIndex(page);
        window = std::move(sheet);
    } else if (name == QLatin1String("rect")) {
        auto *rect = static_cast<CDrawRect *>(doc.AddObject(std::make_unique<CDrawRect>(
            geokit::Rect{130, 20, 180, 50}, CDrawRect::Shape::RoundRectangle)));
        auto sheet = std::make_unique<CRectSheet>(doc, *rect);
        sheet->tabs()->setCurrentIndex(page);
        window = std::move(sheet);
    } else if (name == QLatin1String("text")) {
        auto *text = static_cast<CDrawText *>(
            doc.AddObject(std::make_unique<CDrawText>(geokit::Rect{20, 120, 120, 140})));
        auto sheet = std::make_unique<CTextSheet>(doc, *text);
        sheet->tabs()->setCurrentIndex(page);
        window = std::move(sheet);
    } else if (name == QLatin1String("wall")) {
        auto *wall = static_cast<CDrawOpenPath *>(
            doc.AddObject(editing::makeWall(pts({{20, 150}, {150, 150}, {150, 200}}))));
        auto sheet = std::make_unique<CWallSheet>(doc, *wall);
        sheet->tabs()->setCurrentIndex(page);
        window = std::move(sheet);
    } else if (name == QLatin1String("wallstyle")) {
        auto wizard = std::make_unique<CWallStyleWizard>(registry);
        wizard->show();
        for (int i = 0; i < page; ++i)
            wizard->next();
        window = std::move(wizard);
    } else if (name == QLatin1String("autoformat")) {
        auto wizard = std::make_unique<CAutoFormatWizard>(registry);
        wizard->show();
        for (int i = 0; i < page; ++i)
            wizard->next();
        window = std::move(wizard);
    } else {
        return 2;
    }
    window->move(10, 10);
    window->show();
    return app.exec();
}
