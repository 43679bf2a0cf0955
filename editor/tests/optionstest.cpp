#include "editor/coptionssheet.h"
#include "editor/editoroptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

#include <gtest/gtest.h>

TEST(OptionsSheet, PagesDependOnShowFullOptions)
{
    EditorOptions options;
    ForceInsideFlags force;
    COptionsSheet two(options, force, false);
    two.addPage(new QWidget, "Griglia e guide");
    EXPECT_EQ(two.pageTitles(), (QStringList{"Prestazioni", "Griglia e guide"}));
    COptionsSheet three(options, force, true);
    three.addPage(new QWidget, "Griglia e guide");
    EXPECT_EQ(three.pageTitles(), (QStringList{"Generale", "Prestazioni", "Griglia e guide"}));
}

TEST(OptionsSheet, OkWritesTheBoxesAndCancelKeepsEverything)
{
    EditorOptions options;
    ForceInsideFlags force;
    EXPECT_EQ(force.objects + force.images + force.primitives, 0); // every run starts at 0
    options.Performance = 3;
    {
        COptionsSheet sheet(options, force, true);
        auto *list = sheet.findChild<QListWidget *>("1094");
        EXPECT_EQ(list->currentRow(), 3);
        EXPECT_TRUE(sheet.findChild<QLabel *>("1077")->text().startsWith(
            "Questa combinazione rappresenta"));
        list->setCurrentRow(5);
        EXPECT_TRUE(sheet.findChild<QLabel *>("1077")->text().startsWith(
            "Questa combinazione ha come obiettivo"));
        sheet.findChild<QCheckBox *>("1201")->setChecked(false);
        sheet.findChild<QCheckBox *>("1203")->setChecked(true);
        sheet.reject();
    }
    EXPECT_EQ(options.Performance, 3);
    EXPECT_EQ(options.ForceInside, 1);
    EXPECT_EQ(force.images, 0);

    bool applied = false;
    {
        COptionsSheet sheet(options, force, true);
        sheet.addPage(new QWidget, "Griglia e guide", [&] { applied = true; });
        sheet.findChild<QListWidget *>("1094")->setCurrentRow(0);
        sheet.findChild<QCheckBox *>("1201")->setChecked(false);
        sheet.findChild<QCheckBox *>("1203")->setChecked(true);
        sheet.findChild<QCheckBox *>("1207")->setChecked(false);
        sheet.accept();
    }
    EXPECT_EQ(options.Performance, 0);
    EXPECT_EQ(options.ForceInside, 0);
    EXPECT_EQ(options.RestrictExports, 0);
    EXPECT_EQ(force.images, 1);
    EXPECT_TRUE(applied);

    // A stored preset outside 0-5 selects nothing and says so.
    options.Performance = 9;
    COptionsSheet odd(options, force, false);
    EXPECT_EQ(odd.findChild<QLabel *>("1077")->text(), "Nessuna configurazione selezionata.");
    odd.accept();
    EXPECT_EQ(options.Performance, 9);
}
