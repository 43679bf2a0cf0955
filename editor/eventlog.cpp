#include "eventlog.h"

#include "strings.h"

#include <QDateTime>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

EventLog::EventLog(QString filePath) : m_filePath(std::move(filePath))
{
}

void EventLog::setClock(std::function<QDateTime()> clock)
{
    m_clock = std::move(clock);
}

QString EventLog::formatLine(const QDateTime &when, const QString &text)
{
    // Written as a text file: every line feed, inside the text too, ends
    // in carriage return and line feed.
    QString body = text;
    body.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return QStringLiteral("%1 - %2\r\n")
        .arg(when.toString(QStringLiteral("dd/MM/yyyy HH:mm,ss")), body);
}

void EventLog::Log(int level, const QString &text) const
{
    if (level > m_level || m_filePath.isEmpty())
        return;
    const QFileInfo info(m_filePath);
    // The limit is compared signed, as a count of bytes: a negative limit
    // deletes every time, like zero.
    const qint64 limit = static_cast<qint64>(m_maxSizeKb) * 1024;
    if (info.exists() && info.size() > limit)
        ::unlink(QFile::encodeName(m_filePath).constData());

    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    const QByteArray line = formatLine(now, text).toLocal8Bit();

    // Exclusive open: a second writer (another instance) loses its line
    // rather than interleaving with ours.
    const int fd = ::open(QFile::encodeName(m_filePath).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        const ssize_t written = ::write(fd, line.constData(), static_cast<size_t>(line.size()));
        (void)written; // a failed write is dropped like any other log error
        ::flock(fd, LOCK_UN);
    }
    ::close(fd);
}

void EventLog::LogResource(int level, int stringId) const
{
    Log(level, editorString(stringId));
}
