#include "editor/commandline.h"
#include "editor/editoroptions.h"
#include "editor/startupchecks.h"
#include "platform/registry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utime.h>

using Cmd = CDomoraCommandLineInfo;

TEST(CommandLine, ExportFlagInEitherFormTurnsSplashOff)
{
    for (const QStringList &args :
         {QStringList{QStringLiteral("/export:/tmp/a.fpd")},
          QStringList{QStringLiteral("-export:/tmp/a.fpd")},
          QStringList{QStringLiteral("/EXPORT:"), QStringLiteral("/tmp/a.fpd")}}) {
        const Cmd c = Cmd::parse(args);
        EXPECT_EQ(c.exportMode, 1) << args.join(u' ').toStdString();
        EXPECT_EQ(c.fileName, QStringLiteral("/tmp/a.fpd"));
        EXPECT_FALSE(c.showSplash);
    }
}

TEST(CommandLine, PlainStartOpensNothingAndDocumentOpens)
{
    const Cmd plain = Cmd::parse({});
    EXPECT_EQ(plain.shellCommand, Cmd::ShellCommand::Nothing);
    EXPECT_TRUE(plain.showSplash);
    const Cmd open = Cmd::parse({QStringLiteral("casa.fpd")});
    EXPECT_EQ(open.shellCommand, Cmd::ShellCommand::Open);
    EXPECT_EQ(open.fileName, QStringLiteral("casa.fpd"));
    EXPECT_EQ(open.exportMode, 0);
    EXPECT_EQ(Cmd::parse({QStringLiteral("/p"), QStringLiteral("casa.fpd")}).shellCommand,
              Cmd::ShellCommand::Print);
    // A flag that merely starts like the export flag is not it.
    EXPECT_EQ(Cmd::parse({QStringLiteral("/expor")}).exportMode, 0);
}

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { platform::Registry::setStoreFolder(m_store.path()); }
    void TearDown() override { platform::Registry::setStoreFolder({}); }
    QTemporaryDir m_store;
};

TEST_F(SettingsTest, OptionsSavedAtExitUseNamesTheNextStartDoesNotRead)
{
    platform::Registry reg(QStringLiteral("Domora"));
    EditorOptions opts;
    opts.read(reg);
    EXPECT_EQ(opts.Performance, 3);
    EXPECT_EQ(opts.IgnoreZOrderHoles, 1);
    opts.ForceInside = 0;
    opts.CheckPosAlways = 0;
    opts.ShowWallID = 1;
    opts.write(reg);
    EXPECT_EQ(reg.readInt(QStringLiteral("Settings"), QStringLiteral("ForceInside"), 9), 0);
    EXPECT_FALSE(reg.contains(QStringLiteral("Settings"), QStringLiteral("ForceInside2")));

    EditorOptions next;
    next.read(reg);
    EXPECT_EQ(next.ForceInside, 1); // starts at 1 again
    EXPECT_EQ(next.CheckPosAlways, 1);
    EXPECT_EQ(next.ShowWallID, 1);
}

TEST_F(SettingsTest, NewExecutableErasesSavedLayoutOnce)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("domora"));
    QFile f(exe);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    platform::Registry reg(QStringLiteral("Domora"));
    reg.writeInt(QStringLiteral("Interface\\BCGToolBar-1"), QStringLiteral("Visible"), 1);
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 3);

    EXPECT_EQ(checkExeTimeStamp(reg, exe), TimeStampCheck::LayoutErased); // first start
    EXPECT_FALSE(reg.keyExists(QStringLiteral("Interface")));
    EXPECT_EQ(reg.readInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 0), 3);

    reg.writeInt(QStringLiteral("Interface"), QStringLiteral("X"), 1);
    EXPECT_EQ(checkExeTimeStamp(reg, exe), TimeStampCheck::Unchanged);
    EXPECT_TRUE(reg.keyExists(QStringLiteral("Interface")));

    utimbuf t{1000000000, 1000000000}; // a replaced executable
    ASSERT_EQ(utime(exe.toLocal8Bit().constData(), &t), 0);
    EXPECT_EQ(checkExeTimeStamp(reg, exe), TimeStampCheck::LayoutErased);
    EXPECT_FALSE(reg.keyExists(QStringLiteral("Interface")));

    EXPECT_EQ(checkExeTimeStamp(reg, dir.filePath(QStringLiteral("gone"))),
              TimeStampCheck::ExecutableMissing);
}

TEST(QuitMode, ShutdownStopsWhereTheModeSays)
{
    EXPECT_EQ(lastShutdownStep(0), 10);
    EXPECT_EQ(lastShutdownStep(1), 1);
    EXPECT_EQ(lastShutdownStep(2), 6);
    EXPECT_EQ(lastShutdownStep(3), 9);
    EXPECT_EQ(lastShutdownStep(4), 10);
}
