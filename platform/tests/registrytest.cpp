#include "platform/registry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_store.isValid());
        Registry::setStoreFolder(m_store.path());
    }
    void TearDown() override { Registry::setStoreFolder({}); }
    QString file(const char *name) const { return m_store.filePath(QLatin1String(name)); }

    QTemporaryDir m_store;
};

TEST_F(RegistryTest, MissingValuesGiveCallersDefaultAndStoreLivesInRedirectedFolder)
{
    Registry reg(QStringLiteral("Domora"));
    EXPECT_EQ(reg.readInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 3), 3);
    EXPECT_EQ(reg.readString(QStringLiteral("Settings"), QStringLiteral("X"), QStringLiteral("d")),
              QStringLiteral("d"));
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 1);
    reg.sync();
    EXPECT_TRUE(reg.fileName().startsWith(m_store.path()));
    EXPECT_EQ(Registry(QStringLiteral("Domora"))
                  .readInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 3),
              1);
    EXPECT_EQ(reg.keyName(), QStringLiteral("HKEY_CURRENT_USER\\Software\\Velmar\\Domora"));
}

TEST_F(RegistryTest, SectionsNestAndEmptySectionIsTheApplicationKey)
{
    Registry reg(QStringLiteral("Domora"));
    reg.writeString({}, QStringLiteral("DefaultUIKey"), QStringLiteral("Workspace"));
    reg.writeDefault({}, QStringLiteral("valore"));
    reg.writeInt(QStringLiteral("Workspace\\Bar-1"), QStringLiteral("Visible"), 1);
    EXPECT_EQ(reg.readString({}, QStringLiteral("DefaultUIKey")), QStringLiteral("Workspace"));
    EXPECT_EQ(reg.readDefault({}), QStringLiteral("valore"));
    EXPECT_EQ(reg.subKeys({}), QStringList{QStringLiteral("Workspace")});
    EXPECT_EQ(reg.readInt(QStringLiteral("Workspace/Bar-1"), QStringLiteral("Visible"), 0), 1);
    EXPECT_TRUE(reg.keyExists(QStringLiteral("Workspace\\Bar-1")));
    EXPECT_FALSE(reg.keyExists(QStringLiteral("Workspace\\Bar-2")));
}

TEST_F(RegistryTest, DeleteKeyRemovesAllSubKeysOnly)
{
    Registry reg(QStringLiteral("Domora"));
    reg.writeInt(QStringLiteral("Workspace\\A\\B"), QStringLiteral("v"), 1);
    reg.writeInt(QStringLiteral("Workspace"), QStringLiteral("w"), 2);
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("s"), 3);
    EXPECT_TRUE(reg.deleteKey(QStringLiteral("Workspace")));
    EXPECT_FALSE(reg.keyExists(QStringLiteral("Workspace")));
    EXPECT_FALSE(reg.contains(QStringLiteral("Workspace\\A\\B"), QStringLiteral("v")));
    EXPECT_EQ(reg.readInt(QStringLiteral("Settings"), QStringLiteral("s"), 0), 3);
    EXPECT_TRUE(reg.deleteKey({}));
    EXPECT_TRUE(reg.subKeys({}).isEmpty());
}

TEST_F(RegistryTest, ExportThenImportRestoresEveryValue)
{
    const QString tricky = QString::fromUtf8("C:\\Programmi\\\"Domora\" àèìòù €");
    {
        Registry reg(QStringLiteral("Domora"));
        reg.writeString(QStringLiteral("Settings"), QStringLiteral("LocaleLib"), tricky);
        reg.writeInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 3);
        reg.writeUInt(QStringLiteral("Settings"), QStringLiteral("Max"), 0xFFFFFFFFu);
        reg.writeInt(QStringLiteral("Settings"), QStringLiteral("Neg"), -2);
        reg.writeInt(QStringLiteral("Layout\\Sub"), QStringLiteral("Deep"), 7);
        reg.writeDefault({}, QStringLiteral("radice"));
        ASSERT_TRUE(reg.exportKey({}, file("out.reg")));
        reg.deleteKey({});
        reg.sync();
    }
    QFile f(file("out.reg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Windows Registry Editor Version 5.00")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("[HKEY_CURRENT_USER\\Software\\Velmar\\Domora\\Settings]")));
    EXPECT_TRUE(text.contains(QStringLiteral("\"LogLevel\"=dword:00000003")));
    EXPECT_TRUE(text.contains(QStringLiteral("\"Max\"=dword:ffffffff")));

    QString error;
    ASSERT_TRUE(importRegFile(file("out.reg"), &error)) << error.toStdString();
    Registry reg(QStringLiteral("Domora"));
    EXPECT_EQ(reg.readString(QStringLiteral("Settings"), QStringLiteral("LocaleLib")), tricky);
    EXPECT_EQ(reg.readInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 0), 3);
    EXPECT_EQ(reg.readUInt(QStringLiteral("Settings"), QStringLiteral("Max"), 0), 0xFFFFFFFFu);
    EXPECT_EQ(reg.readInt(QStringLiteral("Settings"), QStringLiteral("Neg"), 0), -2);
    EXPECT_EQ(reg.readInt(QStringLiteral("Layout\\Sub"), QStringLiteral("Deep"), 0), 7);
    EXPECT_EQ(reg.readDefault({}), QStringLiteral("radice"));
}

TEST_F(RegistryTest, DamagedImportChangesNothing)
{
    Registry reg(QStringLiteral("Domora"));
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 2);
    reg.sync();
    const auto writeFile = [&](const char *name, const QByteArray &content) {
        QFile f(file(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    };
    writeFile("bad1.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Velmar\\Domora\\Settings]\r\n"
                          "\"LogLevel\"=dword:00000001\r\n\"Broken=\"x\"\r\n");
    writeFile("bad2.reg", "not a registry file\r\n");
    writeFile("bad3.reg", "Windows Registry Editor Version 5.00\r\n"
                          "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"a\"=\"b\"\r\n");
    writeFile("bad4.reg",
              "Windows Registry Editor Version 5.00\r\n"
              "[HKEY_CURRENT_USER\\Software\\Velmar\\Domora]\r\n\"a\"=dword:1ffffffff\r\n");
    for (const char *name : {"bad1.reg", "bad2.reg", "bad3.reg", "bad4.reg", "missing.reg"}) {
        QString error;
        EXPECT_FALSE(importRegFile(file(name), &error)) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
    }
    EXPECT_EQ(Registry(QStringLiteral("Domora"))
                  .readInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 0),
              2);
}

TEST_F(RegistryTest, ImportAcceptsUtf16AndDeletions)
{
    Registry reg(QStringLiteral("Domora"));
    reg.writeInt(QStringLiteral("Old"), QStringLiteral("x"), 1);
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("gone"), 1);
    reg.sync();
    const QString text =
        QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                       "[-HKEY_CURRENT_USER\\Software\\Velmar\\Domora\\Old]\r\n\r\n"
                       "[HKEY_CURRENT_USER\\Software\\Velmar\\Domora\\Settings]\r\n"
                       "\"gone\"=-\r\n\"Nome\"=\"Però\"\r\n");
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QFile f(file("u16.reg"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    ASSERT_TRUE(importRegFile(file("u16.reg")));
    Registry after(QStringLiteral("Domora"));
    EXPECT_FALSE(after.keyExists(QStringLiteral("Old")));
    EXPECT_FALSE(after.contains(QStringLiteral("Settings"), QStringLiteral("gone")));
    EXPECT_EQ(after.readString(QStringLiteral("Settings"), QStringLiteral("Nome")),
              QStringLiteral("Però"));
}
