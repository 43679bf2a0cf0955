#include "editor/caboutdlg.h"
#include "editor/ccreditsctrl.h"
#include "editor/ctipdlg.h"
#include "editor/systeminfo.h"
#include "editor/tipfile.h"
#include "platform/paths.h"
#include "platform/registry.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeTips(const QString &path, const QByteArray &bytes, const QDateTime &stamp)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.flush();
    file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

} // namespace

class TipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::Registry::setStoreFolder(m_store.path());
        m_path = m_dir.filePath("tips.txt");
    }
    void TearDown() override { platform::Registry::setStoreFolder({}); }
    QTemporaryDir m_store, m_dir;
    QString m_path;
};

TEST_F(TipTest, TipsFollowOneAnotherAcrossStartsAndWrapAround)
{
    const QDateTime first(QDate(2026, 1, 1), QTime(10, 0));
    writeTips(m_path, "; commento\n\n  rientrato\nUno \xe8 il primo\n\tno\nDue\r\nTre\n", first);
    platform::Registry reg("Domora");
    {
        CTipDlg dialog(reg, m_path);
        EXPECT_EQ(dialog.tipText(), QString::fromUtf8("Uno è il primo"));
        dialog.showNextTip();
        EXPECT_EQ(dialog.tipText(), "Due");
    }
    {
        CTipDlg dialog(reg, m_path); // the next start goes on from there
        EXPECT_EQ(dialog.tipText(), "Tre");
        dialog.showNextTip();
        EXPECT_EQ(dialog.tipText(), QString::fromUtf8("Uno è il primo"));
    }
    // A new file starts again from its first tip.
    writeTips(m_path, "Nuovo\nSecondo nuovo\n", first.addDays(1));
    {
        CTipDlg dialog(reg, m_path);
        EXPECT_EQ(dialog.tipText(), "Nuovo");
    }
    EXPECT_EQ(reg.readString("Tip", "TimeStamp"), platform::fileTimeText(m_path));
}

TEST_F(TipTest, MissingCommentOnlyAndLongFiles)
{
    platform::Registry reg("Domora");
    TipFile tips(reg);
    EXPECT_EQ(tips.open(m_dir.filePath("assente.txt")), TipFile::Status::Missing);
    EXPECT_EQ(tips.tip(),
              "I file contenente i suggerimenti non esiste nella cartella dell'applicazione!");

    writeTips(m_path, "; solo commenti\n\n ;\n", QDateTime::currentDateTime());
    EXPECT_EQ(tips.open(m_path), TipFile::Status::NoTips);
    EXPECT_EQ(tips.next(), TipFile::Status::NoTips);

    writeTips(m_path, QByteArray(1500, 'x') + "\n", QDateTime::currentDateTime().addSecs(5));
    EXPECT_EQ(tips.open(m_path), TipFile::Status::Ok);
    EXPECT_EQ(tips.tip().size(), TipFile::maxTipLength);

    // A stored position past the end of the file is a damaged file.
    tips.savePosition();
    reg.writeInt("Tip", "FilePos", 999999);
    TipFile again(reg);
    EXPECT_EQ(again.open(m_path), TipFile::Status::Damaged);
}

TEST_F(TipTest, ShowAtStartupFollowsTheCheckBox)
{
    writeTips(m_path, "Uno\n", QDateTime::currentDateTime());
    platform::Registry reg("Domora");
    EXPECT_TRUE(CTipDlg::showAtStartup(reg));
    CTipDlg dialog(reg, m_path);
    auto *box = dialog.findChild<QCheckBox *>("1001");
    EXPECT_TRUE(box->isChecked());
    box->setChecked(false);
    dialog.closeDialog();
    EXPECT_EQ(reg.readInt("Tip", "StartUp", 0), 1);
    EXPECT_FALSE(CTipDlg::showAtStartup(reg));
}

TEST(AboutBox, MemoryDiskAndCredits)
{
    const auto memory = systeminfo::parseMeminfo("MemTotal:        8388608 kB\nMemFree: 1 kB\n"
                                                 "MemAvailable:    2097152 kB\n");
    ASSERT_TRUE(memory);
    EXPECT_EQ(systeminfo::memoryText(*memory), "8192 MB, libera: 25 %");
    EXPECT_FALSE(systeminfo::parseMeminfo("garbage"));
    EXPECT_FALSE(systeminfo::parseMeminfo("MemTotal: 0 kB\nMemAvailable: 0 kB\n"));
    EXPECT_TRUE(systeminfo::diskText("/").endsWith(" MB liberi in /"));
    EXPECT_EQ(systeminfo::diskText("/no/such/folder/anywhere"), "Non disponibile");

    CAboutDlg about("/");
    EXPECT_TRUE(about.findChild<QLabel *>("1096")->text().contains("MB liberi in"));
    EXPECT_TRUE(about.findChild<QLabel *>("1095")->text().contains("MB, libera: "));
    EXPECT_NE(about.findChild<QPushButton *>("3"), nullptr);

    CCreditsCtrl matrix;
    matrix.resize(200, 100);
    matrix.setLines(CAboutDlg::acknowledgements());
    for (int i = 0; i < 5; ++i)
        matrix.step();
    EXPECT_EQ(matrix.offset(), 5);
    const int cycle = 100 + int(matrix.lines().size()) * (matrix.fontMetrics().height() + 6);
    for (int i = 5; i < cycle; ++i)
        matrix.step();
    EXPECT_EQ(matrix.offset(), 0); // the text comes round again
}
