#include "editor/projectfile.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

// The system's words for the errors a user meets with project files.
QString errorText(int number)
{
    switch (number) {
    case ENOENT:
        return QStringLiteral("Impossibile trovare il file specificato.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Accesso negato.");
    case EISDIR:
        return QStringLiteral("Il percorso indica una cartella, non un file.");
    case ENOSPC:
        return QStringLiteral("Spazio insufficiente sul disco.");
    case EROFS:
        return QStringLiteral("Il disco è protetto da scrittura.");
    case ENAMETOOLONG:
        return QStringLiteral("Il nome del file è troppo lungo.");
    default:
        return QString::fromLocal8Bit(std::strerror(number));
    }
}

ProjectFile::Error openError(const QString &path)
{
    const int number = errno != 0 ? errno : EIO;
    return {QFileInfo(path).fileName(), number, errorText(number)};
}

// Opens with the C library so that the error number is the system's.
FILE *openFile(const QString &path, const char *mode)
{
    errno = 0;
    return std::fopen(QFile::encodeName(path).constData(), mode);
}

} // namespace

QString ProjectFile::Error::message() const
{
    return QStringLiteral("Errore durante l'apertura del file '%1'.\nErrore #%2\n\n'%3'.")
        .arg(fileName)
        .arg(number)
        .arg(text);
}

ProjectFile::ProjectFile() : m_path(defaultFileName())
{
}

QString ProjectFile::caption() const
{
    return QStringLiteral("Progetto: ") + QFileInfo(m_path).completeBaseName();
}

QString ProjectFile::nameOf(const QString &path)
{
    QString file = path;
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    file = file.mid(file.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? file.left(dot) : file;
}

ProjectFile::AddResult ProjectFile::add(const QString &path)
{
    if (path.isEmpty())
        return AddResult::Empty;
    for (const Entry &entry : m_entries)
        if (entry.path == path)
            return AddResult::Duplicate;
    m_entries.push_back({nameOf(path), path});
    return AddResult::Added;
}

void ProjectFile::removeAt(int index)
{
    if (index >= 0 && index < int(m_entries.size()))
        m_entries.erase(m_entries.begin() + index);
}

ProjectFile::Error ProjectFile::read()
{
    m_entries.clear();
    FILE *file = openFile(m_path, "rb");
    if (!file)
        return openError(m_path);
    QByteArray content;
    char buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, qsizetype(n));
    std::fclose(file);
    for (QByteArray line : content.split('\n')) {
        while (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        // Paths are UTF-8 here; a project written on the original platform
        // holds its own code page.
        const QString text = QString::fromUtf8(line);
        const bool valid = !text.contains(QChar::ReplacementCharacter);
        add(valid ? text : platform::codepage::decode(line));
    }
    return {};
}

ProjectFile::Error ProjectFile::write() const
{
    FILE *file = openFile(m_path, "wb");
    if (!file)
        return openError(m_path);
    QByteArray content;
    for (const Entry &entry : m_entries)
        content += entry.path.toUtf8() + "\r\n";
    const bool written =
        std::fwrite(content.constData(), 1, size_t(content.size()), file) == size_t(content.size());
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int number = writeErrno != 0 ? writeErrno : (errno != 0 ? errno : EIO);
        return {QFileInfo(m_path).fileName(), number, errorText(number)};
    }
    return {};
}

ProjectFile::Error ProjectFile::create() const
{
    FILE *file = openFile(m_path, "wb");
    if (!file)
        return openError(m_path);
    std::fclose(file);
    return {};
}

namespace favourites {

QString folder(const QString &programFolder, const QString &folderSetting)
{
    QString base = programFolder;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base + folderSetting;
}

QString addLink(const QString &favouritesFolder, const QString &documentPath)
{
    if (documentPath.isEmpty())
        return QStringLiteral("Errore durante la creazione del collegamento! (Codice: #1)");
    QDir().mkpath(favouritesFolder);
    const QString link = favouritesFolder + QLatin1Char('/') + ProjectFile::nameOf(documentPath) +
                         QStringLiteral(".lnk");
    const QFileInfo existing(link);
    if (existing.isSymLink() || existing.exists())
        QFile::remove(link);
    if (!QFile::link(QFileInfo(documentPath).absoluteFilePath(), link))
        return QStringLiteral("Errore durante la creazione del collegamento! (Codice: #3)");
    return {};
}

QString target(const QString &linkPath)
{
    const QFileInfo info(linkPath);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

} // namespace favourites
