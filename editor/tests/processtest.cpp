// The editor as a real process: command-line export and the single-instance rule.
#include "planfixture.h"

#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class EditorProcess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid() && m_store.isValid() && m_runtime.isValid());
        platform::Registry::setStoreFolder(m_store.path());
        platform::Registry reg(QStringLiteral("Domora"));
        reg.writeString(QStringLiteral("Interface"), QStringLiteral("LocaleLib"),
                        QStringLiteral(LOCALEPACK));
        reg.writeInt(QStringLiteral("Settings"), QStringLiteral("CheckExeTimeStamp2"), 0);
        reg.writeInt(QStringLiteral("Settings"), QStringLiteral("ShowOpenAtStartup"), 0);
        reg.writeInt(QStringLiteral("Settings"), QStringLiteral("RegisterShellFileTypes"), 0);
        reg.writeInt(QStringLiteral("Interface"), QStringLiteral("SplashDelay"), 0);
        reg.writeInt(QStringLiteral("Tip"), QStringLiteral("StartUp"), 1);
        reg.sync();
    }
    void TearDown() override
    {
        for (QProcess *p : {&m_first, &m_second}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
        platform::Registry::setStoreFolder({});
    }

    void setInt(const QString &section, const QString &name, int value)
    {
        platform::Registry reg(QStringLiteral("Domora"));
        reg.writeInt(section, name, value);
        reg.sync();
    }

    void startEditor(QProcess &process, const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DOMORA_SETTINGS_DIR"), m_store.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(DOMORA_EXE), arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // The first editor answers on its instance socket once its window exists.
    bool waitUntilListening()
    {
        const QString name = m_runtime.filePath(QStringLiteral("Domora 1.0.0.x"));
        for (int i = 0; i < 300 && m_first.state() == QProcess::Running; ++i) {
            QLocalSocket probe;
            probe.connectToServer(name);
            if (probe.waitForConnected(100))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    QString writePlan(const QString &name, int rooms)
    {
        const QString path = m_dir.filePath(name);
        auto doc = makePlan(rooms);
        EXPECT_FALSE(doc->OnSaveDocument(path).isError());
        return path;
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_store;
    QTemporaryDir m_runtime;
    QProcess m_first;
    QProcess m_second;
};

TEST_F(EditorProcess, ExportModeWritesThePictureBesideTheDocument)
{
    const QString plan = writePlan(QStringLiteral("a.fpd"), 12);
    for (const QString &flag : {QStringLiteral("/export:"), QStringLiteral("-export:")}) {
        QFile::remove(plan + QStringLiteral(".jpg"));
        startEditor(m_first, {flag + plan});
        ASSERT_TRUE(m_first.waitForFinished(60000));
        EXPECT_EQ(m_first.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(m_first.exitCode(), 0) << m_first.readAllStandardError().constData();
        const QImage picture(m_dir.filePath(QStringLiteral("a.fpd.jpg")));
        EXPECT_EQ(picture.size(), QSize(567, 378));
        // A room's fill shows inside the picture.
        EXPECT_NE(picture.pixel(60, 40), qRgb(255, 255, 255));
    }
    // A name relative to where the editor is started from.
    writePlan(QStringLiteral("relativa.fpd"), 2);
    m_first.setWorkingDirectory(m_dir.path());
    startEditor(m_first, {QStringLiteral("/export:relativa.fpd")});
    ASSERT_TRUE(m_first.waitForFinished(60000));
    EXPECT_EQ(m_first.exitCode(), 0) << m_first.readAllStandardError().constData();
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("relativa.fpd.jpg"))));

    // The export drew at the best quality, and that is what was kept.
    platform::Registry reg(QStringLiteral("Domora"));
    EXPECT_EQ(reg.readInt(QStringLiteral("Settings"), QStringLiteral("Performance"), 0), 5);
}

TEST_F(EditorProcess, ExportModeFailsLoudlyWhenItCannot)
{
    // A document that does not exist.
    const QString missing = m_dir.filePath(QStringLiteral("manca.fpd"));
    startEditor(m_first, {QStringLiteral("/export:") + missing});
    ASSERT_TRUE(m_first.waitForFinished(60000));
    EXPECT_NE(m_first.exitCode(), 0);
    EXPECT_TRUE(QString::fromLocal8Bit(m_first.readAllStandardError()).contains(missing));
    EXPECT_FALSE(QFile::exists(missing + QStringLiteral(".jpg")));

    // A file that is not a plan.
    const QString junk = m_dir.filePath(QStringLiteral("rotto.fpd"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("questo non e' un documento");
    f.close();
    startEditor(m_first, {QStringLiteral("-export:") + junk});
    ASSERT_TRUE(m_first.waitForFinished(60000));
    EXPECT_NE(m_first.exitCode(), 0);
    EXPECT_FALSE(m_first.readAllStandardError().isEmpty());

    // A picture that cannot be written: its name is taken by a folder.
    const QString plan = writePlan(QStringLiteral("c.fpd"), 2);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("c.fpd.jpg")));
    startEditor(m_first, {QStringLiteral("/export:") + plan});
    ASSERT_TRUE(m_first.waitForFinished(60000));
    EXPECT_NE(m_first.exitCode(), 0);
    EXPECT_TRUE(QString::fromLocal8Bit(m_first.readAllStandardError()).contains("c.fpd.jpg"));
}

TEST_F(EditorProcess, SecondStartEndsOnlyWithWin9XLegacy)
{
    startEditor(m_first, {});
    ASSERT_TRUE(waitUntilListening());

    // Win9XLegacy 1 (the default): the second start asks the first to show
    // itself and ends.
    startEditor(m_second, {});
    ASSERT_TRUE(m_second.waitForFinished(60000));
    EXPECT_EQ(m_second.exitCode(), 0);
    EXPECT_EQ(m_first.state(), QProcess::Running);

    // An export while the editor runs still makes its picture.
    const QString plan = writePlan(QStringLiteral("mentre.fpd"), 3);
    startEditor(m_second, {QStringLiteral("/export:") + plan});
    ASSERT_TRUE(m_second.waitForFinished(60000));
    EXPECT_EQ(m_second.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(plan + QStringLiteral(".jpg")));

    // Win9XLegacy 0: both run. The second start reaches its event loop and
    // stays there until it is closed.
    setInt(QStringLiteral("Settings"), QStringLiteral("Win9XLegacy"), 0);
    startEditor(m_second, {});
    EXPECT_FALSE(m_second.waitForFinished(5000));
    EXPECT_EQ(m_second.state(), QProcess::Running);
    EXPECT_EQ(m_first.state(), QProcess::Running);
}

} // namespace
