#pragma once

#include <QString>

#include <functional>

class QDateTime;

// The editor's event log "DOMORA.LOG" beside the executable: one line per
// entry, "dd/mm/yyyy hh:mm,ss - text" ending in CR LF. A line is written when
// its level (1 error, 2 warning, 3 information) is at most the filter; the
// filter is 0 until start-up has read it, so nothing is written before that.
// Before every write a file larger than the size limit is deleted, so the log
// starts afresh rather than being trimmed and can exceed the limit by at most
// one line. Writing never fails visibly: file errors are swallowed.
class EventLog
{
public:
    enum Level
    {
        Error = 1,
        Warning = 2,
        Information = 3
    };

    explicit EventLog(QString filePath = {});

    void setFilePath(const QString &path) { m_filePath = path; }
    [[nodiscard]] QString filePath() const { return m_filePath; }
    void setLevel(int level) { m_level = level; }
    [[nodiscard]] int level() const { return m_level; }
    void setMaxSizeKb(int kilobytes) { m_maxSizeKb = kilobytes; }
    [[nodiscard]] int maxSizeKb() const { return m_maxSizeKb; }
    // Tests fix the clock.
    void setClock(std::function<QDateTime()> clock);

    void Log(int level, const QString &text) const;
    // The string of the editor's table with that number.
    void LogResource(int level, int stringId) const;

    [[nodiscard]] static QString formatLine(const QDateTime &when, const QString &text);

private:
    QString m_filePath;
    int m_level = 0;
    int m_maxSizeKb = 0;
    std::function<QDateTime()> m_clock;
};
