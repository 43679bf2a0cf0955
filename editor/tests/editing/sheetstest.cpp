#include "editinghelpers.h"
#include "uitesthelpers.h"

#include "editor/cbackgroundpage.h"
#include "editor/cnumberdlg.h"
#include "editor/cpositiongroup.h"
#include "editor/crectsheet.h"
#include "editor/croomgeneralpage.h"
#include "editor/croomsheet.h"
#include "editor/croomtypedlg.h"
#include "editor/csegmentdlg.h"
#include "editor/ctextsheet.h"
#include "editor/cwallsheet.h"
#include "editor/cwallspage.h"
#include "editor/cwallstylewizard.h"
#include "editor/editingsheets.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/modelhooks.h"
#include "platform/messagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace editing;
using namespace editingtest;
using namespace platform::ui;

namespace {

CDrawPoly *roomOf(CDomoraDoc &doc)
{
    return dynamic_cast<CDrawPoly *>(doc.objects().front().get());
}

} // namespace

class RoomSheetTest : public ::testing::Test
{
protected:
    RoomSheetTest()
    {
        auto segments = plan.room->segmentStyles();
        segments[0].openings = {door(20, 30)};
        segments[2].description = QStringLiteral("finestra sul cortile");
        plan.room->setSegmentStyles(segments);
        plan.room->setName(QStringLiteral("Zona giorno"));
        plan.doc.ClearHistory();
        plan.doc.CheckPoint();
        plan.doc.SetModifiedFlag(false);
    }
    PlanWithRoom plan{{20, 20}, {120, 20}, {120, 70}, {20, 70}};
};

TEST_F(RoomSheetTest, TheWallTableListsEveryWall)
{
    CRoomSheet sheet(plan.doc, *plan.room);
    EXPECT_EQ(sheet.windowTitle(), "Proprietà stanza poligonale");
    QTableWidget *table = sheet.wallsPage()->table();
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), "Indice");
    EXPECT_EQ(table->horizontalHeaderItem(4)->text(), "Lunghezza reale [m]");
    EXPECT_EQ(table->item(3, 0)->text(), "4 di 4");
    EXPECT_EQ(table->item(3, 2)->text(), "(20, 70) - (20, 20)");
    EXPECT_EQ(table->item(3, 3)->text(), "50.00");
    EXPECT_EQ(table->item(3, 4)->text(), "25.00");
    EXPECT_EQ(table->item(2, 1)->text(), "finestra sul cortile");
}

TEST_F(RoomSheetTest, SwitchingTheUnitConvertsTheTypedWidth)
{
    CRoomSheet sheet(plan.doc, *plan.room);
    CWallsPage *walls = sheet.wallsPage();
    walls->setWidthText("20");
    walls->setUnitIndex(1);
    EXPECT_EQ(walls->widthText(), "10.00");
    walls->setUnitIndex(0);
    EXPECT_EQ(walls->widthText(), "20.00");
    walls->setUnitIndex(1);
    walls->setWidthText("1,5");
    ASSERT_TRUE(walls->storeEditor());
    EXPECT_FLOAT_EQ(walls->segments()[0].width, 3.0f); // 1.5 m at 0.5 m per mm
}

TEST_F(RoomSheetTest, TheCurrentWallIsHighlightedWhileTheSheetIsOpen)
{
    {
        CRoomSheet sheet(plan.doc, *plan.room);
        EXPECT_EQ(plan.room->segmentStyles()[0].highlighted, 1);
        CWallsPage *walls = sheet.wallsPage();
        child<QCheckBox>(*walls, "enabled")->setChecked(false);
        walls->table()->setCurrentCell(2, 0);
        EXPECT_EQ(walls->currentSegment(), 2);
        EXPECT_EQ(plan.room->segmentStyles()[0].highlighted, 0);
        EXPECT_EQ(plan.room->segmentStyles()[2].highlighted, 1);
        EXPECT_EQ(walls->segments()[0].enabled, 0); // the editor was stored first
        EXPECT_EQ(plan.room->segmentStyles()[0].enabled, 1);
        walls->setCurrentSegment(0);
        EXPECT_FALSE(child<QLineEdit>(*walls, "width")->isEnabled());
        sheet.reject();
    }
    for (const SegmentStyle &s : plan.room->segmentStyles()) {
        EXPECT_EQ(s.highlighted, 0);
        EXPECT_EQ(s.enabled, 1); // cancelled: nothing reached the room
    }
    EXPECT_FALSE(plan.doc.IsModified());
}

TEST_F(RoomSheetTest, OkWritesEverythingBackInOneUndoStep)
{
    CRoomSheet sheet(plan.doc, *plan.room);
    CRoomGeneralPage *general = sheet.generalPage();
    child<QCheckBox>(*general, "captionVisible")->setChecked(true);
    child<QLineEdit>(*general, "captionText")->setText("Soggiorno");
    child<QLineEdit>(*general, "description")->setText("Zona notte");
    // Moved by (10, 5) and half as wide again.
    child<QSpinBox>(*general, "left")->setValue(30);
    child<QSpinBox>(*general, "top")->setValue(25);
    child<QSpinBox>(*general, "width")->setValue(150);
    CWallsPage *walls = sheet.wallsPage();
    child<QRadioButton>(*walls, "solid")->click();
    child<QSlider>(*walls, "solidAlpha")->setValue(100);
    child<QRadioButton>(*sheet.backgroundPage(), "transparent")->click();
    sheet.accept();
    ASSERT_EQ(sheet.result(), QDialog::Accepted);

    EXPECT_EQ(plan.room->label().visible, 1);
    EXPECT_EQ(plan.room->label().text, "Soggiorno");
    EXPECT_EQ(plan.room->name(), "Zona notte");
    EXPECT_EQ(plan.room->points(), pts({{30, 25}, {180, 25}, {180, 75}, {30, 75}}));
    EXPECT_EQ(plan.room->position(), (geokit::Rect{30, 25, 180, 75}));
    EXPECT_EQ(plan.room->segmentStyles()[0].brush.fillKind, BrushStyle::fillSolid);
    EXPECT_EQ(plan.room->segmentStyles()[0].brush.solidColor >> 24, 100u);
    EXPECT_EQ(plan.room->segmentStyles()[0].highlighted, 0);
    // The door stretched with its wall.
    EXPECT_EQ(plan.room->segmentStyles()[0].openings[0].offset, 30);
    EXPECT_EQ(plan.room->segmentStyles()[0].openings[0].size, 45);
    EXPECT_EQ(plan.room->fill().fillKind, BrushStyle::fillNone);
    EXPECT_TRUE(plan.doc.IsModified());

    ASSERT_TRUE(plan.doc.Undo());
    const CDrawPoly *room = roomOf(plan.doc);
    EXPECT_EQ(room->name(), "Zona giorno");
    EXPECT_EQ(room->points()[1], (geokit::PointF{120, 20}));
    EXPECT_EQ(room->fill().fillKind, BrushStyle::fillSolid);
    EXPECT_FALSE(plan.doc.CanUndo());
}

TEST_F(RoomSheetTest, ScaleAndPresetsWorkOnTheCopies)
{
    CRoomSheet sheet(plan.doc, *plan.room);
    {
        ScriptedDialogs dialogs([](QDialog &d) {
            auto &number = dynamic_cast<CNumberDlg &>(d);
            EXPECT_EQ(number.lower(), 10);
            number.setValue(50);
            return int(QDialog::Accepted);
        });
        child<QPushButton>(*sheet.generalPage(), "scale")->click();
    }
    EXPECT_EQ(sheet.generalPage()->position(), (geokit::Rect{45, 32, 95, 57}));
    EXPECT_EQ(sheet.wallsPage()->segments()[0].openings[0].size, 15);
    EXPECT_EQ(plan.room->points()[1], (geokit::PointF{120, 20})); // not yet written
    {
        ScriptedDialogs dialogs([](QDialog &d) {
            dynamic_cast<CRoomTypeDlg &>(d).setPreset(RoomPreset::Cucina);
            return int(QDialog::Accepted);
        });
        child<QPushButton>(*sheet.generalPage(), "presets")->click();
    }
    EXPECT_EQ(sheet.generalPage()->description(), "Cucina");
    EXPECT_EQ(sheet.backgroundPage()->currentStyle().solidColor, 0xFF329632u);
    sheet.accept();
    EXPECT_EQ(plan.room->name(), "Cucina");
    EXPECT_EQ(plan.room->fill().solidColor, 0xFF329632u);
    EXPECT_EQ(plan.room->points()[0], (geokit::PointF{45, 32.5f}));
    EXPECT_EQ(plan.room->segmentStyles()[2].description, "finestra sul cortile");
}

TEST_F(RoomSheetTest, TheSegmentDialogMovesTheVertexOfTheCopy)
{
    CRoomSheet sheet(plan.doc, *plan.room);
    CWallsPage *walls = sheet.wallsPage();
    walls->setCurrentSegment(1); // (120, 20) - (120, 70)
    {
        ScriptedDialogs dialogs([](QDialog &d) {
            auto &segment = dynamic_cast<CSegmentDlg &>(d);
            EXPECT_TRUE(segment.setSheetLength("30"));
            segment.findChild<QLineEdit *>("description")->setText("parete est");
            return int(QDialog::Accepted);
        });
        child<QPushButton>(*walls, "extended")->click();
    }
    EXPECT_EQ(walls->points()[2], (geokit::PointF{120, 50}));
    EXPECT_EQ(walls->segments()[1].description, "parete est");
    EXPECT_EQ(walls->table()->item(1, 3)->text(), "30.00");
    EXPECT_EQ(sheet.generalPage()->position(), (geokit::Rect{20, 20, 120, 70}));

    // Shortening the first wall below its door is refused.
    walls->setCurrentSegment(0);
    {
        ScriptedMessages messages;
        ScriptedDialogs dialogs([](QDialog &d) {
            EXPECT_TRUE(dynamic_cast<CSegmentDlg &>(d).setSheetLength("40"));
            return int(QDialog::Accepted);
        });
        child<QPushButton>(*walls, "extended")->click();
        EXPECT_EQ(messages.texts.size(), 1);
    }
    EXPECT_EQ(walls->points()[1], (geokit::PointF{120, 20}));
    sheet.accept();
    EXPECT_EQ(plan.room->points()[2], (geokit::PointF{120, 50}));
}

TEST_F(RoomSheetTest, TheWallStyleWizardStylesTheCopies)
{
    CRoomSheet sheet(plan.doc, *plan.room);
    ScriptedDialogs dialogs([](QDialog &d) {
        auto &wizard = dynamic_cast<CWallStyleWizard &>(d);
        WallStyleChoice choice;
        choice.allWalls = false;
        choice.style = 1;
        choice.changeFill = true;
        wizard.setChoice(choice);
        return int(QDialog::Accepted);
    });
    sheet.wallsPage()->setCurrentSegment(3);
    child<QPushButton>(*sheet.wallsPage(), "wallStyle")->click();
    EXPECT_EQ(sheet.wallsPage()->segments()[3].brush.fillKind, BrushStyle::fillSolid);
    EXPECT_EQ(sheet.wallsPage()->segments()[0].brush.fillKind, BrushStyle::fillHatch);
    EXPECT_TRUE(child<QRadioButton>(*sheet.wallsPage(), "solid")->isChecked());
    sheet.accept();
    EXPECT_FLOAT_EQ(plan.room->segmentStyles()[3].width, 2.5f);
    EXPECT_FLOAT_EQ(plan.room->segmentStyles()[0].width, 2.0f);
}

TEST(ObjectSheets, RectangleTextAndWallWriteBackAndUndo)
{
    CDomoraDoc doc;
    doc.OnNewDocument({});
    auto *rect = static_cast<CDrawRect *>(doc.AddObject(std::make_unique<CDrawRect>(
        geokit::Rect{10, 10, 50, 30}, CDrawRect::Shape::RoundRectangle)));
    auto *line = static_cast<CDrawRect *>(doc.AddObject(
        std::make_unique<CDrawRect>(geokit::Rect{10, 10, 50, 30}, CDrawRect::Shape::Line)));
    line->setPosition({50, 30, 10, 10}); // drawn from the bottom right
    auto *text = static_cast<CDrawText *>(
        doc.AddObject(std::make_unique<CDrawText>(geokit::Rect{60, 60, 120, 80})));
    auto *wall = static_cast<CDrawOpenPath *>(
        doc.AddObject(makeWall(pts({{100, 100}, {150, 100}, {150, 130}}))));
    doc.ClearHistory();
    doc.CheckPoint();

    {
        CRectSheet sheet(doc, *rect);
        EXPECT_EQ(sheet.windowTitle(), "Proprietà rettangolo arrotondato");
        child<QSpinBox>(sheet, "cornerWidth")->setValue(4);
        child<QSpinBox>(sheet, "left")->setValue(12);
        child<QCheckBox>(sheet, "outlined")->setChecked(false);
        sheet.accept();
        EXPECT_EQ(rect->position(), (geokit::Rect{12, 10, 52, 30}));
        EXPECT_EQ(rect->roundness().x, 4);
        EXPECT_EQ(rect->outlined(), 0);
    }
    {
        CRectSheet sheet(doc, *line);
        EXPECT_EQ(sheet.backgroundPage(), nullptr); // a line has no fill
        child<QSpinBox>(sheet, "width")->setValue(60);
        sheet.accept();
        EXPECT_EQ(line->position(), (geokit::Rect{70, 30, 10, 10}));
    }
    {
        CTextSheet sheet(doc, *text);
        EXPECT_EQ(sheet.windowTitle(), "Proprietà oggetto di testo");
        sheet.textEdit()->setPlainText("Via Roma 1\nTrilocale");
        child<QSpinBox>(sheet, "height")->setValue(30);
        sheet.accept();
        EXPECT_EQ(text->text().text, "Via Roma 1\nTrilocale");
        EXPECT_EQ(text->position(), (geokit::Rect{60, 60, 120, 90}));
    }
    {
        CWallSheet sheet(doc, *wall);
        EXPECT_EQ(sheet.wallsPage()->table()->rowCount(), 2);
        EXPECT_EQ(sheet.wallsPage()->table()->item(1, 0)->text(), "2 di 2");
        child<QSpinBox>(sheet, "left")->setValue(110);
        sheet.wallsPage()->setWidthText("4");
        sheet.accept();
        EXPECT_EQ(wall->points()[0], (geokit::PointF{110, 100}));
        EXPECT_FLOAT_EQ(wall->segmentStyles()[0].width, 4.0f);
    }
    ASSERT_TRUE(doc.Undo());
    EXPECT_FLOAT_EQ(doc.objects()[3]->segmentStyles()[0].width, 2.0f);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(static_cast<CDrawText &>(*doc.objects()[2]).text().text, "Nuova casella di testo");
}

TEST(ObjectSheets, TheObjectsOpenTheirSheetsAndWallsRefusePrintnet)
{
    CDomoraDoc doc;
    NewDocumentOptions printnet;
    printnet.docType = CDomoraDoc::printnet;
    doc.OnNewDocument(printnet);
    CDrawObj *wall = doc.AddObject(makeWall(pts({{100, 100}, {150, 100}})));
    CDrawObj *room = doc.AddObject(makeRoom(pts({{10, 10}, {50, 10}, {30, 40}})));
    editingsheets::install({});
    QStringList opened;
    ScriptedDialogs dialogs([&](QDialog &d) {
        opened << d.windowTitle();
        return int(QDialog::Rejected);
    });
    QStringList messages;
    model::setMessageSink([&](const QString &text) { messages << text; });
    wall->OnOpen(nullptr);
    room->OnOpen(nullptr);
    model::setMessageSink({});
    model::setPropertyEditor({});
    EXPECT_EQ(opened, QStringList{"Proprietà stanza poligonale"});
    EXPECT_EQ(messages, QStringList{"Le pagine di proprietà di questo oggetto non sono disponibili "
                                    "per i documenti Printnet"});
}
