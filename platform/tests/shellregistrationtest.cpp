#include "platform/shellregistration.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

platform::ShellRegistration sample(const QString &exe)
{
    platform::ShellRegistration r;
    r.desktopId = QStringLiteral("velmar-domora");
    r.name = QStringLiteral("Domora");
    r.executable = exe;
    r.types = {{QStringLiteral("application/x-domora-plan"),
                QStringLiteral("Documento Domora"),
                {QStringLiteral("*.fpd")},
                {},
                true},
               {QStringLiteral("text/plain"), {}, {}, {}, false}};
    return r;
}

} // namespace

TEST(ShellRegistration, WritesOnlyWhenMissingOrChanged)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QString error;
    ASSERT_TRUE(platform::registerWithShell(sample(QStringLiteral("/opt/Domora/domora")), &error))
        << error.toStdString();
    const QString desktop = home.filePath(QStringLiteral("applications/velmar-domora.desktop"));
    const QString mime = home.filePath(QStringLiteral("mime/packages/velmar-domora.xml"));
    QFile d(desktop);
    ASSERT_TRUE(d.open(QIODevice::ReadOnly));
    const QByteArray entry = d.readAll();
    d.close();
    EXPECT_TRUE(entry.contains("Exec=\"/opt/Domora/domora\" %f"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-domora-plan;text/plain;"));
    QFile m(mime);
    ASSERT_TRUE(m.open(QIODevice::ReadOnly));
    const QByteArray xml = m.readAll();
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.fpd\"/>"));
    EXPECT_FALSE(xml.contains("text/plain")); // an existing type is never redefined

    const QDateTime before = QFileInfo(desktop).lastModified();
    QThread::msleep(20);
    ASSERT_TRUE(platform::registerWithShell(sample(QStringLiteral("/opt/Domora/domora"))));
    EXPECT_EQ(QFileInfo(desktop).lastModified(), before);

    ASSERT_TRUE(platform::registerWithShell(sample(QStringLiteral("/usr/local/Domora/domora"))));
    ASSERT_TRUE(d.open(QIODevice::ReadOnly));
    EXPECT_TRUE(d.readAll().contains("/usr/local/Domora/domora"));
    qunsetenv("XDG_DATA_HOME");
}
