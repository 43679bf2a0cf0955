#include "copyjob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool g_reportCopyErrors = true;

QString folderWithSlash(const QString &folder)
{
    QString f = folder.trimmed();
    if (!f.isEmpty() && !f.endsWith(u'/'))
        f += u'/';
    return f;
}

// A listed name must stay inside the folders it is joined to.
bool isSafeRelativeName(const QString &name)
{
    if (name.isEmpty() || QDir::isAbsolutePath(name))
        return false;
    const QStringList parts = name.split(u'/');
    return !parts.contains(QStringLiteral(".."));
}

} // namespace

CopyJob::CopyJob(QStringList files, const QString &sourceFolder, const QString &destinationFolder,
                 bool overwrite, bool silent)
    : m_files(std::move(files)), m_source(folderWithSlash(sourceFolder)),
      m_destination(folderWithSlash(destinationFolder)), m_overwrite(overwrite), m_silent(silent)
{
    m_sizes.reserve(m_files.size());
    for (const QString &name : m_files) {
        const QFileInfo info(m_source + name);
        const qint64 size = info.isFile() ? info.size() : 0;
        m_sizes.append(size);
        m_totalBytes += size;
    }
}

QString CopyJob::currentName() const
{
    return atEnd() ? QString() : m_files.at(m_index);
}

CopyJob::Step CopyJob::copyCurrent()
{
    Step step;
    if (atEnd())
        return step;
    const QString name = m_files.at(m_index);
    step.bytes = m_sizes.at(m_index);
    // An empty destination would name the root folder: nothing is copied.
    if (!name.isEmpty() && !m_destination.isEmpty() && !m_source.isEmpty())
        step.copied = isSafeRelativeName(name) &&
                      copyFile(m_source + name, m_destination + name, m_overwrite);
    step.reportFailure = !step.copied && g_reportCopyErrors && !m_silent;
    return step;
}

bool CopyJob::reportCopyErrors()
{
    return g_reportCopyErrors;
}

void CopyJob::setReportCopyErrors(bool report)
{
    g_reportCopyErrors = report;
}

bool CopyJob::copyFile(const QString &source, const QString &target, bool overwrite)
{
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isFile())
        return false;
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && (!overwrite || targetInfo.isDir()))
        return false;
    if (!targetInfo.dir().exists())
        return false;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    // Written out first, so that the time set below is the last change.
    if (!out.flush()) {
        out.cancelWriting();
        return false;
    }
    out.setPermissions(in.permissions());
    out.setFileTime(sourceInfo.lastModified(), QFileDevice::FileModificationTime);
    return out.commit();
}

QString CopyJob::failureQuestion(const QString &name)
{
    return QCoreApplication::translate(
               "console",
               "Errore durante la copia di: '%1'.\nIl file protrebbe essere già presente nella "
               "cartella di destinazione oppure potrebbe essersi verificato un errore durante la "
               "copia.\n\nDesideri ignorare i successivi errori?\n\nPremi Sì per non visualizzare "
               "più questo avvertimento, No per essere ancora avvisato di altri errori, Annulla "
               "per terminare la copia dei file.")
        .arg(name);
}
