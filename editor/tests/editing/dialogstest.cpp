#include "editinghelpers.h"
#include "uitesthelpers.h"

#include "editor/cautoformatwizard.h"
#include "editor/cbackgroundpage.h"
#include "editor/cdoctypedlg.h"
#include "editor/cfontsheet.h"
#include "editor/clibraryimagedlg.h"
#include "editor/cnumberdlg.h"
#include "editor/copeningsheet.h"
#include "editor/croomtypedlg.h"
#include "editor/csegmentdlg.h"
#include "editor/cwallstylewizard.h"
#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace platform::ui;
using namespace editingtest;

// Registered once for the whole test program.
static ::testing::Environment *const noUnscriptedWindows =
    ::testing::AddGlobalTestEnvironment(new NoUnscriptedWindows);

TEST(NumberDialog, ShowsThePromptAndKeepsTheValueWithinItsLimits)
{
    CNumberDlg dialog("Suddividi segmento", "&Seleziona il numero di vertici da aggiungere:", 1, 1,
                      30);
    EXPECT_EQ(dialog.windowTitle(), "Suddividi segmento");
    EXPECT_EQ(child<QLabel>(dialog, "prompt")->text(),
              "&Seleziona il numero di vertici da aggiungere:");
    auto *spin = child<QSpinBox>(dialog, "value");
    EXPECT_EQ(spin->text(), "1");
    dialog.setValue(31);
    EXPECT_EQ(dialog.value(), 30);
    dialog.setValue(0);
    EXPECT_EQ(dialog.value(), 1);
    spin->selectAll();
    QTest::keyClicks(spin, "12");
    EXPECT_EQ(dialog.value(), 12);
}

TEST(RoomTypeDialog, NinePresetsInTheirOrderAndDoubleClickApplies)
{
    CRoomTypeDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Applica uno stile predefinito");
    auto *list = child<QListWidget>(dialog, "presets");
    ASSERT_EQ(list->count(), 9);
    const QStringList expected{"Cucina",  "Bagno",     "Camera",   "Sala",       "Giardino",
                               "Balcone", "Corridoio", "Ingresso", "Ripostiglio"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(list->item(i)->text(), expected[i]);
    list->setCurrentRow(4);
    EXPECT_EQ(dialog.preset(), editing::RoomPreset::Giardino);
    emit list->itemDoubleClicked(list->item(4));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(DocumentTypeDialog, OpensOnNormalWithThePlacardOptionsTicked)
{
    CDocTypeDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Modifica il tipo di documento");
    EXPECT_TRUE(child<QRadioButton>(dialog, "normal")->isChecked());
    auto *fitSize = child<QCheckBox>(dialog, "fitSize");
    auto *fitBorders = child<QCheckBox>(dialog, "fitBorders");
    EXPECT_TRUE(fitSize->isChecked());
    EXPECT_TRUE(fitBorders->isChecked());
    EXPECT_FALSE(fitSize->isEnabled());
    child<QRadioButton>(dialog, "placard")->setChecked(true);
    EXPECT_TRUE(fitSize->isEnabled());
    fitBorders->setChecked(false);
    EXPECT_EQ(dialog.choice(), (editing::DocumentTypeChoice{true, true, false}));
}

TEST(SegmentDialog, RotationsAndTypedLengthMoveTheEndVertex)
{
    CSegmentDlg dialog("parete nord", {10, 10}, {60, 10}, 0.5);
    EXPECT_EQ(dialog.windowTitle(), "Proprietà estese");
    EXPECT_EQ(dialog.positionText(), "(10, 10) - (60, 10) (coordinate in [mm])");
    EXPECT_EQ(dialog.sheetLengthText(), "50.00");
    EXPECT_EQ(dialog.realLengthText(), "25.00 [m]");
    child<QPushButton>(dialog, "rotate180")->click();
    EXPECT_EQ(dialog.end(), (geokit::Point{-40, 10}));
    child<QPushButton>(dialog, "rotate180")->click();
    EXPECT_EQ(dialog.end(), (geokit::Point{60, 10}));
    child<QPushButton>(dialog, "rotate90")->click();
    EXPECT_EQ(dialog.end(), (geokit::Point{10, 60}));
    dialog.setSliderAngle(270);
    child<QPushButton>(dialog, "rotateAngle")->click();
    EXPECT_EQ(dialog.end(), (geokit::Point{60, 10}));
    EXPECT_TRUE(dialog.setSheetLength("30,5"));
    EXPECT_EQ(dialog.end(), (geokit::Point{41, 10}));
    EXPECT_FALSE(dialog.setSheetLength("lungo"));
    child<QLineEdit>(dialog, "description")->setText("parete sud");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.description(), "parete sud");
}

// ---- the picture library ------------------------------------------------------

class PictureLibrary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = platform::programFolder();
        platform::setProgramFolder(m_dir.path());
    }
    void TearDown() override { platform::setProgramFolder(m_previous); }
    void picture(const QString &relative, int width = 40, int height = 30)
    {
        const QString path = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.setDotsPerMeterX(11811); // 300 dpi
        image.setDotsPerMeterY(11811);
        ASSERT_TRUE(image.save(path));
    }
    QTreeWidgetItem *item(CLibraryImageDlg &dialog, const QString &text)
    {
        const auto found = dialog.tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    QTemporaryDir m_dir;
    QString m_previous;
};

TEST_F(PictureLibrary, AFolderWithSubfoldersShowsNoPictures)
{
    picture("Library/Simboli/sparsa.png");
    picture("Library/Simboli/Frecce/b.png");
    picture("Library/Simboli/Frecce/a.bmp");
    picture("Library/Simboli/Frecce/c.jpg");
    QDir().mkpath(m_dir.filePath("Library/Simboli/Vuota"));

    CLibraryImageDlg dialog;
    dialog.setCaption("Seleziona simbolo");
    dialog.setLibraryFolder("Library/Simboli");
    dialog.ensureInitialised();
    EXPECT_EQ(dialog.windowTitle(), "Seleziona simbolo");
    EXPECT_EQ(dialog.libraryFolder(), platform::programFolder() + "Library/Simboli");
    ASSERT_EQ(dialog.tree()->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.tree()->topLevelItem(0)->text(0), "Simboli");
    EXPECT_EQ(dialog.tree()->topLevelItem(0)->childCount(), 2);

    dialog.selectFolder(dialog.tree()->topLevelItem(0));
    EXPECT_EQ(dialog.pathText(), "La categoria selezionata non contiene immagini");
    EXPECT_TRUE(dialog.fileNames().isEmpty());
    EXPECT_EQ(dialog.list()->count(), 0);
    EXPECT_FALSE(dialog.okEnabled());

    dialog.selectFolder(item(dialog, "Frecce"));
    EXPECT_EQ(dialog.fileNames(), (QStringList{"a.bmp", "b.png", "c.jpg"}));
    EXPECT_EQ(dialog.list()->count(), 3);
    EXPECT_EQ(dialog.list()->iconSize(), QSize(100, 75));
    EXPECT_EQ(dialog.pathText(), dialog.currentFolder());
    EXPECT_FALSE(dialog.okEnabled());

    dialog.clickPicture(1);
    EXPECT_TRUE(dialog.okEnabled());
    EXPECT_EQ(dialog.nameText(), "b.png");
    EXPECT_EQ(dialog.selectedPath(), dialog.currentFolder() + "/b.png");
    EXPECT_EQ(child<QLineEdit>(dialog, "width")->text(), "40");
    EXPECT_EQ(child<QLineEdit>(dialog, "resolution")->text(), "300 x 300");

    // Another folder disables OK again; one without pictures lists nothing.
    dialog.selectFolder(item(dialog, "Vuota"));
    EXPECT_FALSE(dialog.okEnabled());
    EXPECT_TRUE(dialog.fileNames().isEmpty());
    EXPECT_EQ(dialog.list()->count(), 0);
}

TEST_F(PictureLibrary, AMissingLibraryShowsOnlyItsRoot)
{
    CLibraryImageDlg dialog;
    dialog.setLibraryFolder("Library/Immagini");
    ASSERT_EQ(dialog.tree()->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.tree()->topLevelItem(0)->text(0), "Immagini");
    EXPECT_EQ(dialog.tree()->topLevelItem(0)->childCount(), 0);
    EXPECT_EQ(dialog.windowTitle(), "Seleziona immagine");
    dialog.accept(); // nothing chosen: OK does nothing
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(PictureLibrary, SizeChoiceDetailsFoldAndDoubleClick)
{
    picture("Library/Oggetti/Bagno/lavabo.png");
    CLibraryImageDlg dialog;
    dialog.setLibraryFolder("Library/Oggetti");
    dialog.setAllowSizeChoice(true);
    dialog.setFoldableDetails(true);
    dialog.ensureInitialised();
    auto *manual = child<QRadioButton>(dialog, "manualSize");
    auto *source = child<QRadioButton>(dialog, "sourceSize");
    EXPECT_TRUE(manual->isEnabled());
    EXPECT_TRUE(source->isChecked());
    auto *details = child<QPushButton>(dialog, "details");
    EXPECT_FALSE(dialog.detailsShown());
    EXPECT_EQ(details->text(), "&Dettagli >>");
    details->click();
    EXPECT_TRUE(dialog.detailsShown());
    EXPECT_EQ(details->text(), "<< &Nascondi");

    dialog.selectFolder(item(dialog, "Bagno"));
    manual->setChecked(true);
    emit dialog.list()->itemDoubleClicked(dialog.list()->item(0));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.selectedPath().endsWith("Library/Oggetti/Bagno/lavabo.png"));
    EXPECT_FALSE(dialog.keepSourceSize());

    CLibraryImageDlg fixed;
    fixed.ensureInitialised();
    EXPECT_FALSE(child<QRadioButton>(fixed, "manualSize")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(fixed, "details")->isEnabled());
    EXPECT_EQ(child<QPushButton>(fixed, "details")->text(), "<< Nascondi");
    EXPECT_TRUE(fixed.detailsShown());
}

TEST_F(PictureLibrary, ImportTakesAnyPictureFile)
{
    picture("altrove/foto.png", 64, 48);
    QStringList filters;
    ScriptedDialogs dialogs([&](QDialog &d) {
        auto &files = dynamic_cast<QFileDialog &>(d);
        filters = files.nameFilters();
        EXPECT_EQ(files.fileMode(), QFileDialog::ExistingFile);
        files.selectFile(m_dir.filePath("altrove/foto.png"));
        return int(QDialog::Accepted);
    });
    CLibraryImageDlg dialog;
    dialog.setLibraryFolder("Library/Immagini");
    dialog.importPicture();
    ASSERT_FALSE(filters.isEmpty());
    EXPECT_TRUE(filters[0].startsWith("Tutti i file grafici ("));
    EXPECT_EQ(filters.size(), 8);
    EXPECT_EQ(dialog.pathText(), "Percorso specificato dall'utente");
    EXPECT_EQ(dialog.nameText(), m_dir.filePath("altrove/foto.png"));
    EXPECT_EQ(child<QLineEdit>(dialog, "height")->text(), "48");
    EXPECT_TRUE(dialog.okEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedPath(), m_dir.filePath("altrove/foto.png"));
}

TEST_F(PictureLibrary, FindGoesToThePictureFound)
{
    picture("Library/Simboli/Frecce/nord.png");
    picture("Library/Simboli/Impianti/presa.png");
    std::vector<int> found;
    ScriptedDialogs dialogs([&found](QDialog &d) {
        d.findChild<QLineEdit *>("searchText")->setText("PRE");
        found.push_back(d.findChild<QListWidget *>("found")->count());
        return int(QDialog::Accepted);
    });
    CLibraryImageDlg dialog;
    dialog.setLibraryFolder("Library/Simboli");
    dialog.findPictures(); // no folder chosen yet: nothing happens
    EXPECT_TRUE(dialog.selectedPath().isEmpty());
    dialog.selectFolder(item(dialog, "Simboli"));
    dialog.selectFolder(item(dialog, "Frecce"));
    dialog.findPictures(); // searches below the current folder only
    EXPECT_TRUE(dialog.selectedPath().isEmpty());
    dialog.selectFolder(item(dialog, "Impianti"));
    dialog.findPictures();
    EXPECT_EQ(found, (std::vector<int>{0, 1}));
    EXPECT_TRUE(dialog.selectedPath().endsWith("Impianti/presa.png"));
    EXPECT_TRUE(dialog.okEnabled());
}

// ---- the "Sfondo" page ------------------------------------------------------------

TEST(BackgroundPage, ShowsTheStyleAndEnablesOnlyTheKindsControls)
{
    BrushStyle style = BrushStyle::solid(0x80FF0000);
    style.textureScale = 0.29f;
    style.textureAngle = 45.7f;
    CBackgroundPage page(style);
    EXPECT_TRUE(child<QRadioButton>(page, "solid")->isChecked());
    EXPECT_EQ(child<QSlider>(page, "solidAlpha")->value(), 0x80);
    EXPECT_EQ(child<QSpinBox>(page, "scale")->value(), 29);
    EXPECT_EQ(child<QSpinBox>(page, "angle")->value(), 45);
    EXPECT_TRUE(child<QWidget>(page, "solidColor")->isEnabled());
    EXPECT_FALSE(child<QWidget>(page, "startColor")->isEnabled());
    EXPECT_FALSE(child<QWidget>(page, "browse")->isEnabled());
    child<QRadioButton>(page, "texture")->click();
    EXPECT_TRUE(child<QWidget>(page, "browse")->isEnabled());
    EXPECT_FALSE(child<QWidget>(page, "solidColor")->isEnabled());

    BrushStyle stored;
    child<QRadioButton>(page, "gradient")->click();
    child<QComboBox>(page, "direction")->setCurrentIndex(3);
    child<QSlider>(page, "endAlpha")->setValue(10);
    ASSERT_TRUE(page.commit(stored));
    EXPECT_EQ(stored.fillKind, BrushStyle::fillGradient);
    EXPECT_EQ(stored.gradientMode, 3);
    EXPECT_EQ(stored.color2 >> 24, 10u);
    EXPECT_EQ(stored.solidColor, 0x80FF0000u);
    EXPECT_FLOAT_EQ(stored.textureScale, 0.29f);

    // A hatch fill has no button: none is checked and the kind stays.
    CBackgroundPage hatch(SegmentStyle().brush);
    EXPECT_EQ(hatch.values().fillKind, BrushStyle::fillHatch);
    BrushStyle keep;
    ASSERT_TRUE(hatch.commit(keep));
    EXPECT_EQ(keep.fillKind, BrushStyle::fillHatch);
}

TEST(BackgroundPage, ATextureWithoutPictureOffersTransparency)
{
    {
        ScriptedMessages messages({Answer::Yes});
        CBackgroundPage page(BrushStyle::solid(0xFF00FF00));
        child<QRadioButton>(page, "texture")->click();
        BrushStyle stored;
        ASSERT_TRUE(page.commit(stored));
        EXPECT_EQ(stored.fillKind, BrushStyle::fillNone);
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts[0].startsWith(
            "Non hai selezionato nessuna texture (o motivo di riempimento) per l'oggetto."));
    }
    {
        ScriptedMessages messages({Answer::No});
        CBackgroundPage page(BrushStyle::solid(0xFF00FF00));
        child<QRadioButton>(page, "texture")->click();
        BrushStyle stored;
        ASSERT_TRUE(page.commit(stored));
        EXPECT_EQ(stored.fillKind, BrushStyle::fillSolid); // the kind it had
    }
}

TEST(BackgroundPage, BrowsingConfirmedWithoutAPictureAsksToo)
{
    ScriptedMessages messages({Answer::Yes});
    QString caption;
    ScriptedDialogs dialogs([&](QDialog &d) {
        caption = dynamic_cast<CLibraryImageDlg &>(d).windowTitle();
        return int(QDialog::Accepted);
    });
    CBackgroundPage page(BrushStyle::solid(0xFF00FF00));
    child<QRadioButton>(page, "texture")->click();
    page.browseTexture();
    EXPECT_EQ(caption, "Seleziona lo sfondo");
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith(
        "Non hai selezionato nessuna texture (o motivo di riempimento). Desideri"));
    EXPECT_TRUE(child<QRadioButton>(page, "transparent")->isChecked());
}

// ---- fonts, doors and windows ----------------------------------------------------------

TEST(FontSheet, EditsACopyAndGivesItBackOnOk)
{
    LabelStyle label;
    label.text = QStringLiteral("Soggiorno");
    label.font.setFace(QStringLiteral("Arial"));
    label.font.height = 12;
    CFontSheet sheet(label);
    EXPECT_EQ(sheet.windowTitle(), "Font");
    child<QComboBox>(sheet, "align")->setCurrentIndex(2);
    child<QComboBox>(sheet, "lineAlign")->setCurrentIndex(0);
    child<QComboBox>(sheet, "trimming")->setCurrentIndex(4);
    child<QCheckBox>(sheet, "noKerning")->setChecked(true);
    child<QCheckBox>(sheet, "shadow")->setChecked(true);
    child<QComboBox>(sheet, "textCase")->setCurrentIndex(1);
    child<QSpinBox>(sheet, "height")->setValue(20);
    child<QCheckBox>(sheet, "bold")->setChecked(true);
    EXPECT_EQ(sheet.label(), label); // nothing stored before OK
    sheet.accept();
    const LabelStyle l = sheet.label();
    EXPECT_EQ(l.align, 2);
    EXPECT_EQ(l.lineAlign, 0);
    EXPECT_EQ(l.trimming, 4);
    EXPECT_EQ(l.noKerning, 1);
    EXPECT_EQ(l.shadow, 1);
    EXPECT_EQ(l.textCase, 1);
    EXPECT_EQ(l.font.height, 20);
    EXPECT_EQ(l.font.weight, 700);
    EXPECT_EQ(l.text, "Soggiorno");
    EXPECT_EQ(l.font.face(), "Arial");
}

TEST(OpeningSheet, InsertionStartsFromTheDefaults)
{
    COpeningSheet sheet(COpeningSheet::Purpose::Insert, {});
    EXPECT_EQ(sheet.windowTitle(), "Inserisci porta/finestra");
    const model::OpeningProperties p = sheet.properties();
    EXPECT_EQ(p.strokeColor, 0xFF000000u);
    EXPECT_EQ(p.arcColor, 0xFF7F7F7Fu);
    EXPECT_EQ(p.backColor, 0xFFFFFFFFu);
    EXPECT_EQ(p.opensInwards, 1);
    EXPECT_EQ(child<QComboBox>(sheet, "strokeDash")->currentText(), "Linea continua");
    EXPECT_EQ(child<QComboBox>(sheet, "arcDash")->currentText(), "Tratteggiato");
    EXPECT_EQ(child<QComboBox>(sheet, "arcKind")->currentText(), "Curva");
    EXPECT_EQ(child<QComboBox>(sheet, "type")->currentText(), "Porta ad un'anta");
    EXPECT_EQ(child<QComboBox>(sheet, "type")->count(), 9);
    EXPECT_EQ(COpeningSheet::typeNames()[2], "Pora a due ante, 1/2");
}

TEST(OpeningSheet, AnOpeningFillsThePageAndThePreviewFollowsEveryChange)
{
    model::OpeningProperties p;
    p.strokeColor = 0xFF102030;
    p.opensInwards = 0;
    p.strokeDash = 2;
    p.arcDash = 0;
    p.arcKind = 2;
    p.type = 6;
    COpeningSheet sheet(COpeningSheet::Purpose::Edit, p);
    EXPECT_EQ(sheet.windowTitle(), "Proprietà porta/finestra");
    EXPECT_EQ(sheet.properties(), p);
    EXPECT_TRUE(child<QRadioButton>(sheet, "outwards")->isChecked());

    sheet.show();
    QCoreApplication::processEvents();
    const int before = sheet.previewPaints();
    child<QComboBox>(sheet, "type")->setCurrentIndex(3);
    EXPECT_GT(sheet.previewPaints(), before);
    const int afterType = sheet.previewPaints();
    child<QRadioButton>(sheet, "inwards")->setChecked(true);
    EXPECT_GT(sheet.previewPaints(), afterType);
    EXPECT_EQ(sheet.properties().type, 3);
    EXPECT_EQ(sheet.properties().opensInwards, 1);
}

// ---- wizards --------------------------------------------------------------------------

class Wizards : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        platform::Registry::setStoreFolder(m_dir.path());
        m_store = std::make_unique<platform::Registry>(QStringLiteral("Domora"));
    }
    void TearDown() override
    {
        m_store.reset();
        platform::Registry::setStoreFolder({});
    }
    QTemporaryDir m_dir;
    std::unique_ptr<platform::Registry> m_store;
    platform::Registry &registry() { return *m_store; }
};

TEST_F(Wizards, WallStyleWizardDefaultsAndTheWelcomeSetting)
{
    {
        CWallStyleWizard wizard(registry());
        EXPECT_EQ(wizard.windowTitle(), "Stile dei muri");
        EXPECT_EQ(wizard.startId(), CWallStyleWizard::WelcomePage);
        EXPECT_EQ(wizard.choice(), editing::WallStyleChoice());
        auto *styles = child<QListWidget>(wizard, "styles");
        ASSERT_EQ(styles->count(), 10);
        EXPECT_EQ(styles->item(0)->text(), "Formato predefinito per i muri (Vantorie)");
        EXPECT_EQ(styles->item(9)->text(), "Sentiero lastricato (in bianco e nero)");
        child<QCheckBox>(wizard, "hideWelcome")->setChecked(true);
        child<QRadioButton>(wizard, "oneWall")->setChecked(true);
        styles->setCurrentRow(5);
        wizard.accept();
        EXPECT_EQ(wizard.choice().style, 5);
        EXPECT_FALSE(wizard.choice().allWalls);
    }
    EXPECT_EQ(registry().readInt("Settings", "WizardBorderStyleHideWelcome", 0), 1);
    CWallStyleWizard again(registry());
    EXPECT_EQ(again.startId(), CWallStyleWizard::WallsPage);
}

TEST_F(Wizards, FormattingWizardGalleryAndOptions)
{
    CAutoFormatWizard wizard(registry());
    EXPECT_EQ(wizard.windowTitle(), "Formattazione automatica");
    EXPECT_EQ(wizard.style(), 0);
    EXPECT_EQ(wizard.gallery()->currentItem()->text(0), "Combinazione predefinita per Printnet");
    ASSERT_EQ(wizard.gallery()->topLevelItemCount(), 4);
    EXPECT_EQ(wizard.gallery()->topLevelItem(3)->childCount(), 6);
    wizard.gallery()->setCurrentItem(wizard.gallery()->topLevelItem(1));
    EXPECT_EQ(wizard.style(), -1);
    EXPECT_TRUE(wizard.setStyle(9));
    EXPECT_EQ(wizard.gallery()->currentItem()->text(0), "Psichedelico");
    child<QCheckBox>(wizard, "captions")->setChecked(true);
    EXPECT_TRUE(wizard.options().captions);
    child<QCheckBox>(wizard, "hideWelcome")->setChecked(true);
    wizard.accept();
    EXPECT_EQ(registry().readInt("Settings", "WizardAutoFormatHideWelcome", 0), 1);
}
