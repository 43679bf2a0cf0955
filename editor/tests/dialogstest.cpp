#include "editor/cexportdlg.h"
#include "editor/czoomdlg.h"
#include "platform/messagebox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace platform::ui;

TEST(ZoomDialog, EntriesAreAddedSubtractedOrRefused)
{
    QStringList messages;
    setMessageResponder([&](const MessageRequest &r) {
        messages << r.text;
        return Answer::Ok;
    });
    {
        CZoomDlg dialog(1.0f);
        EXPECT_EQ(dialog.entryText(), "100 %");
        dialog.setEntryText("  +25");
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.percent(), 125);
    }
    {
        CZoomDlg dialog(1.25f);
        dialog.setEntryText("-100");
        dialog.accept();
        EXPECT_EQ(dialog.percent(), 25);
    }
    for (const char *bad : {"abc", "700", "5", "-95"}) {
        messages.clear();
        CZoomDlg dialog(1.0f);
        dialog.setEntryText(bad);
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << bad;
        EXPECT_EQ(dialog.entryText(), "100 %") << bad;
        EXPECT_EQ(messages, QStringList{"Il fattore di zoom deve essere compreso tra 10% e 600%."});
    }
    {
        // 15 % is accepted here; the view clamps it to 20 %.
        CZoomDlg dialog(0.333f);
        EXPECT_EQ(dialog.entryText(), "33 %");
        dialog.setEntryText("15");
        dialog.accept();
        EXPECT_EQ(dialog.percent(), 15);
    }
    setMessageResponder({});
}

TEST(ExportDialog, SizeReadOutFileNameAndBrowse)
{
    CExportDlg dialog("Appartamento");
    EXPECT_EQ(dialog.fileName(), "Appartamento");
    EXPECT_EQ(dialog.percentage(), 100);
    EXPECT_FALSE(dialog.trim());
    dialog.setPercentage(75);
    EXPECT_EQ(dialog.sizeText(), "Larghezza: 11.25 e altezza:  7.50");
    EXPECT_EQ(CExportDlg::sizeTextFor(1), "Larghezza:  0.15 e altezza:  0.10");
    dialog.setPercentage(500);
    EXPECT_EQ(dialog.percentage(), 100);

    auto *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    dialog.setFileName("");
    EXPECT_FALSE(ok->isEnabled());

    // "..." opens a save dialog whose choice lands in the name and enables OK.
    QString seenTitle;
    setDialogResponder([&](QDialog &d) {
        auto &files = dynamic_cast<QFileDialog &>(d);
        seenTitle = files.windowTitle();
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(files.nameFilters(),
                  (QStringList{"Immagine GIF (*.gif)", "Immagine JPEG (*.jpg)"}));
        files.selectFile("/tmp/casa.jpg");
        return int(QDialog::Accepted);
    });
    for (auto *button : dialog.findChildren<QPushButton *>())
        if (button->text() == "...")
            button->click();
    setDialogResponder({});
    EXPECT_EQ(seenTitle, "Esporta immagine");
    EXPECT_EQ(dialog.fileName(), "/tmp/casa.jpg");
    EXPECT_TRUE(ok->isEnabled());
}
