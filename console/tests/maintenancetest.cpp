#include "console/configurationstore.h"
#include "console/eventlogfile.h"

#include "platform/registry.h"
#include "testfolder.h"

#include <gtest/gtest.h>

using namespace console;

TEST(EventLogFile, ReadsEditsAndRewritesTheLines)
{
    TestFolder dir;
    const QString log = dir.write(QStringLiteral("DOMORA.LOG"),
                                  "06/12/2026 06:13,06 - uno\r\n06/12/2026 06:13,07 - due\r\n"
                                  "ultima senza fine riga");
    QStringList lines = eventlog::readLines(log);
    EXPECT_EQ(lines, QStringList({"06/12/2026 06:13,06 - uno", "06/12/2026 06:13,07 - due",
                                  "ultima senza fine riga"}));
    lines.removeAt(1);
    lines.append(QStringLiteral("aggiunta"));
    ASSERT_TRUE(eventlog::writeLines(log, lines));
    EXPECT_EQ(dir.read(QStringLiteral("DOMORA.LOG")),
              "06/12/2026 06:13,06 - uno\r\nultima senza fine riga\r\naggiunta\r\n");
    ASSERT_TRUE(eventlog::writeLines(log, {}));
    EXPECT_EQ(QFileInfo(log).size(), 0);
    EXPECT_TRUE(eventlog::readLines(dir.filePath(QStringLiteral("none.log"))).isEmpty());
}

TEST(EventLogFile, ClearNeedsAnExistingLog)
{
    TestFolder dir;
    const QString log = dir.filePath(QStringLiteral("DOMORA.LOG"));
    EXPECT_FALSE(eventlog::clear(log));
    EXPECT_FALSE(QFileInfo::exists(log));
    dir.write(QStringLiteral("DOMORA.LOG"), "riga\r\n");
    EXPECT_TRUE(eventlog::clear(log));
    EXPECT_TRUE(QFileInfo::exists(log));
    EXPECT_EQ(QFileInfo(log).size(), 0);
}

TEST(EventLogFile, CopyReplacesTheTarget)
{
    TestFolder dir;
    const QString log = dir.write(QStringLiteral("DOMORA.LOG"), "riga\r\n");
    const QString copy = dir.write(QStringLiteral("copia.log"), "vecchio contenuto più lungo");
    EXPECT_TRUE(eventlog::copyTo(log, copy));
    EXPECT_EQ(dir.read(QStringLiteral("copia.log")), "riga\r\n");
    EXPECT_FALSE(eventlog::copyTo(log, dir.filePath(QStringLiteral("no/such/folder.log"))));
    EXPECT_FALSE(eventlog::copyTo(dir.filePath(QStringLiteral("none")), copy));
}

class ConfigurationStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::Registry::setStoreFolder(m_store.path());
        platform::Registry reg(QStringLiteral("Domora"));
        reg.writeString(QStringLiteral("Interface"), QStringLiteral("LocaleLib"),
                        QStringLiteral("x.so"));
        reg.writeInt(QStringLiteral("Interface/Toolbars"), QStringLiteral("Count"), 3);
        reg.writeInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 3);
        reg.writeString(QStringLiteral("Recent File List"), QStringLiteral("File1"),
                        QStringLiteral("/p/a.fpd"));
        reg.sync();
    }
    void TearDown() override { platform::Registry::setStoreFolder({}); }

    TestFolder m_store;
    TestFolder m_files;
};

TEST_F(ConfigurationStoreTest, SaveOnlyCustomisationsExportsJustInterface)
{
    const QString part = m_files.filePath(QStringLiteral("interface.reg"));
    ASSERT_TRUE(configuration::save(part, true));
    const QString text = QString::fromUtf8(m_files.read(QStringLiteral("interface.reg")));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Windows Registry Editor Version 5.00")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("[HKEY_CURRENT_USER\\Software\\Velmar\\Domora\\Interface]")));
    EXPECT_TRUE(text.contains(QStringLiteral("Interface\\Toolbars]")));
    EXPECT_FALSE(text.contains(QStringLiteral("LogLevel")));

    const QString whole = m_files.filePath(QStringLiteral("tutto.reg"));
    ASSERT_TRUE(configuration::save(whole, false));
    const QString all = QString::fromUtf8(m_files.read(QStringLiteral("tutto.reg")));
    EXPECT_TRUE(all.contains(QStringLiteral("LogLevel")));
    EXPECT_TRUE(all.contains(QStringLiteral("Recent File List]")));
    EXPECT_FALSE(configuration::save(QStringLiteral(" "), false));
}

TEST_F(ConfigurationStoreTest, AddBringsASavedConfigurationBack)
{
    const QString saved = m_files.filePath(QStringLiteral("tutto.reg"));
    ASSERT_TRUE(configuration::save(saved, false));
    configuration::reset({true, true, true});
    platform::Registry reg(QStringLiteral("Domora"));
    EXPECT_FALSE(reg.keyExists(QStringLiteral("Settings")));
    ASSERT_TRUE(configuration::add(saved));
    platform::Registry again(QStringLiteral("Domora"));
    EXPECT_EQ(again.readInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 0), 3);
    EXPECT_EQ(again.readInt(QStringLiteral("Interface/Toolbars"), QStringLiteral("Count"), 0), 3);
    EXPECT_FALSE(configuration::add(m_files.write(QStringLiteral("bad.reg"), "not a reg file")));
}

TEST_F(ConfigurationStoreTest, ResetDeletesOnlyTheChosenKeys)
{
    configuration::reset({false, true, true});
    platform::Registry reg(QStringLiteral("Domora"));
    EXPECT_TRUE(reg.keyExists(QStringLiteral("Interface")));
    EXPECT_TRUE(reg.keyExists(QStringLiteral("Interface/Toolbars")));
    EXPECT_FALSE(reg.keyExists(QStringLiteral("Settings")));
    EXPECT_FALSE(reg.keyExists(QStringLiteral("Recent File List")));
    configuration::reset({true, false, false});
    platform::Registry after(QStringLiteral("Domora"));
    EXPECT_FALSE(after.keyExists(QStringLiteral("Interface")));
}
