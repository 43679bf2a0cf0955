#include "stylelibraryfile.h"

#include "platform/codepage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/file.h>

namespace stylelibraryfile {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("console", text);
}

// Holds an exclusive advisory lock on an open file for its lifetime.
class FileLock
{
public:
    explicit FileLock(int fd) : m_fd(fd), m_locked(::flock(fd, LOCK_EX | LOCK_NB) == 0) {}
    ~FileLock()
    {
        if (m_locked)
            ::flock(m_fd, LOCK_UN);
    }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    [[nodiscard]] bool locked() const { return m_locked; }

private:
    int m_fd;
    bool m_locked;
};

} // namespace

Loaded load(const QString &path)
{
    Loaded result;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        result.message = tr("Errore durante la lettura del file degli stili (1).");
        return result;
    }
    const FileLock lock(file.handle());
    if (!lock.locked()) {
        result.message = tr("Errore durante la lettura del file degli stili (1).");
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.message = tr("Errore durante la lettura del file degli stili (2).");
        return result;
    }
    // Every line, the last one too, ends in "\n"; CR LF is read as "\n".
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        result.text += platform::codepage::decode(line);
        result.text += u'\n';
        start = end + 1;
    }
    return result;
}

QString save(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return tr("Errore durante la scrittura del file degli stili (1).");
    QString crlf = text;
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    if (file.write(platform::codepage::encode(crlf)) < 0 || !file.commit())
        return tr("Errore durante la scrittura del file degli stili (2).");
    return {};
}

} // namespace stylelibraryfile
