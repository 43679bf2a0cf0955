#include "editor/eventlog.h"
#include "editor/strings.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class EventLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_log.setFilePath(m_dir.filePath(QStringLiteral("DOMORA.LOG")));
        m_log.setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(6, 13, 6)); });
        m_log.setMaxSizeKb(100);
    }
    QByteArray content() const
    {
        QFile f(m_log.filePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void fill(qint64 bytes) const
    {
        QFile f(m_log.filePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(bytes, 'x'));
    }

    QTemporaryDir m_dir;
    EventLog m_log;
};

const QByteArray line = "06/12/2026 06:13,06 - Controlli comuni inizializzati\r\n";

} // namespace

TEST_F(EventLogTest, LineFormatAndLevelFilter)
{
    m_log.setLevel(0); // before start-up has read the filter
    m_log.Log(EventLog::Error, QStringLiteral("Errore registrando la window class."));
    EXPECT_FALSE(QFile::exists(m_log.filePath()));

    m_log.setLevel(1);
    m_log.Log(EventLog::Information, QStringLiteral("Controlli comuni inizializzati"));
    m_log.Log(EventLog::Warning, QStringLiteral("avviso"));
    EXPECT_FALSE(QFile::exists(m_log.filePath()));
    m_log.Log(EventLog::Error, QStringLiteral("Esecuzione disabilitata!"));
    EXPECT_EQ(content(), "06/12/2026 06:13,06 - Esecuzione disabilitata!\r\n");

    m_log.setLevel(3);
    m_log.Log(EventLog::Information, QStringLiteral("Controlli comuni inizializzati"));
    EXPECT_TRUE(content().endsWith(line));
}

TEST_F(EventLogTest, ResourceLinesUseTheStringTable)
{
    m_log.setLevel(3);
    m_log.LogResource(EventLog::Error, strings::WinsockInitFailed);
    EXPECT_EQ(content(),
              "06/12/2026 06:13,06 - Inizializzazione dei socket di Windows non riuscita.\r\n");
}

TEST_F(EventLogTest, FileAtExactLimitIsKeptOneByteMoreIsRestarted)
{
    m_log.setLevel(3);
    fill(100 * 1024);
    m_log.Log(EventLog::Information, QStringLiteral("Controlli comuni inizializzati"));
    EXPECT_EQ(content().size(), 100 * 1024 + line.size());

    fill(100 * 1024 + 1);
    m_log.Log(EventLog::Information, QStringLiteral("Controlli comuni inizializzati"));
    EXPECT_EQ(content(), line);
}

TEST_F(EventLogTest, ZeroLimitKeepsOnlyTheLastLine)
{
    m_log.setLevel(3);
    m_log.setMaxSizeKb(0);
    m_log.Log(EventLog::Information, QStringLiteral("prima"));
    m_log.Log(EventLog::Information, QStringLiteral("Controlli comuni inizializzati"));
    EXPECT_EQ(content(), line);
}

TEST_F(EventLogTest, UnwritableLogIsSilentlyDropped)
{
    m_log.setLevel(3);
    m_log.setFilePath(m_dir.filePath(QStringLiteral("missing-folder/DOMORA.LOG")));
    m_log.Log(EventLog::Error, QStringLiteral("x")); // must neither throw nor crash
    EXPECT_FALSE(QFile::exists(m_log.filePath()));
}

// A text of several lines is written as a text file writes it: CR LF throughout.
TEST_F(EventLogTest, LineFeedsInsideATextBecomeCarriageReturnLineFeed)
{
    m_log.setLevel(1);
    m_log.Log(1, QStringLiteral("prima\n\nseconda"));
    EXPECT_EQ(content(), QByteArray("06/12/2026 06:13,06 - prima\r\n\r\nseconda\r\n"));
}
