#include "model/compound.h"
#include "model/safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using model::FileErrorCause;
using model::safeSave;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The names in a folder, hidden ones included: a failed save must not leave
// its temporary file behind.
QStringList folderNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs a save in a child process, so that changing its user or its file size
// limit cannot disturb the test process; returns the cause the child saw.
FileErrorCause saveInChild(const std::function<void()> &prepare, const QString &path,
                           const QByteArray &bytes)
{
    const pid_t child = fork();
    if (child == 0) {
        prepare();
        _exit(int(safeSave(path, bytes).cause));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? FileErrorCause(WEXITSTATUS(status)) : FileErrorCause::Generic;
}

class SafeSave : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_folder = m_dir.filePath(QStringLiteral("plans"));
        ASSERT_TRUE(QDir().mkpath(m_folder));
        m_path = m_folder + QStringLiteral("/casa.fpd");
        writeFile(m_path, m_old);
    }
    void TearDown() override { ::chmod(QFile::encodeName(m_folder).constData(), 0755); }

    QTemporaryDir m_dir;
    QString m_folder;
    QString m_path;
    const QByteArray m_old = QByteArray("the plan saved yesterday");
};

} // namespace

TEST_F(SafeSave, ReplacesTheFileAndLeavesNothingElse)
{
    const model::FileError error = safeSave(m_path, "today's plan");
    EXPECT_FALSE(error.isError()) << error.message.toStdString();
    EXPECT_EQ(readAll(m_path), QByteArray("today's plan"));
    EXPECT_EQ(folderNames(m_folder), QStringList{QStringLiteral("casa.fpd")});
}

TEST_F(SafeSave, CreatesANewFile)
{
    const QString fresh = m_folder + QStringLiteral("/nuovo.fpd");
    EXPECT_FALSE(safeSave(fresh, "new").isError());
    EXPECT_EQ(readAll(fresh), QByteArray("new"));
}

TEST_F(SafeSave, KeepsThePermissionsOfTheOldFile)
{
    ASSERT_EQ(::chmod(QFile::encodeName(m_path).constData(), 0640), 0);
    ASSERT_FALSE(safeSave(m_path, "new").isError());
    struct stat info
    {
    };
    ASSERT_EQ(::stat(QFile::encodeName(m_path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(SafeSave, ASymbolicLinkStaysALinkAndItsTargetIsReplaced)
{
    const QString link = m_dir.filePath(QStringLiteral("link.fpd"));
    ASSERT_TRUE(QFile::link(m_path, link));
    ASSERT_FALSE(safeSave(link, "through the link").isError());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(m_path), QByteArray("through the link"));
}

TEST_F(SafeSave, AMissingFolderIsABadPath)
{
    const model::FileError error =
        safeSave(m_dir.filePath(QStringLiteral("nowhere/casa.fpd")), "new");
    EXPECT_EQ(error.cause, FileErrorCause::BadPath);
    EXPECT_EQ(error.osError, ENOENT);
    EXPECT_FALSE(error.message.isEmpty());
    EXPECT_EQ(safeSave(QString(), "new").cause, FileErrorCause::BadPath);
}

TEST_F(SafeSave, AFolderInTheWayIsNotReplaced)
{
    const QString folderPath = m_folder + QStringLiteral("/cartella.fpd");
    ASSERT_TRUE(QDir().mkpath(folderPath + QStringLiteral("/inside")));
    EXPECT_EQ(safeSave(folderPath, "new").cause, FileErrorCause::AccessDenied);
    EXPECT_TRUE(QFileInfo(folderPath + QStringLiteral("/inside")).isDir());
}

// Root may write anywhere, so the child gives up its rights first.
TEST_F(SafeSave, AReadOnlyFolderLeavesTheOldFileIntact)
{
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(m_folder).constData(), 0555), 0);
    const auto dropRights = [] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(int(FileErrorCause::Generic));
    };
    EXPECT_EQ(saveInChild(dropRights, m_path, QByteArray(100000, 'n')),
              FileErrorCause::AccessDenied);
    EXPECT_EQ(readAll(m_path), m_old);
    EXPECT_EQ(folderNames(m_folder), QStringList{QStringLiteral("casa.fpd")});
}

// The disk fills up half-way through the new file (a file size limit stands
// in for a full disk): the old file stays and the partial copy goes.
TEST_F(SafeSave, AWriteFailingHalfWayLeavesTheOldFileIntact)
{
    const auto limitFileSize = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    EXPECT_EQ(saveInChild(limitFileSize, m_path, QByteArray(1024 * 1024, 'n')),
              FileErrorCause::DiskFull);
    EXPECT_EQ(readAll(m_path), m_old);
    EXPECT_EQ(folderNames(m_folder), QStringList{QStringLiteral("casa.fpd")});
}

TEST_F(SafeSave, CompoundFileSaveReportsTheFailure)
{
    model::CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Contents"), "x"));
    EXPECT_FALSE(file.saveFile(m_dir.filePath(QStringLiteral("nowhere/casa.fpd"))));
    EXPECT_EQ(file.error().cause, FileErrorCause::BadPath);
    EXPECT_TRUE(file.saveFile(m_path));
    EXPECT_FALSE(file.error().isError());
}
