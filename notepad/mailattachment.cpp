#include "notepad/mailattachment.h"

#include "platform/process.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace mailattachment {

QString attachmentRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Velmar/Jotter/Posta");
}

QString attachmentName(const QString &title, const QString &defaultExtension)
{
    QString name = title.trimmed();
    for (QChar &c : name) {
        if (c == u'/' || c == u'\\' || c == u'\0' || c.category() == QChar::Other_Control)
            c = u'_';
    }
    if (name.isEmpty() || name == u"." || name == u"..")
        name = QStringLiteral("Documento");
    if (QFileInfo(name).suffix().isEmpty())
        name += defaultExtension;
    return name;
}

QString writeAttachment(const QString &fileName, const QByteArray &bytes, QString *errorString)
{
    if (!QDir().mkpath(attachmentRoot())) {
        if (errorString)
            *errorString =
                QStringLiteral("Impossibile creare la cartella %1.").arg(attachmentRoot());
        return {};
    }
    QTemporaryDir folder(attachmentRoot() + QStringLiteral("/XXXXXX"));
    if (!folder.isValid()) {
        if (errorString)
            *errorString =
                QStringLiteral("Impossibile creare una cartella in %1.").arg(attachmentRoot());
        return {};
    }
    const QString path = folder.filePath(fileName);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (errorString)
            *errorString = QStringLiteral("Impossibile scrivere il file %1.").arg(path);
        return {};
    }
    folder.setAutoRemove(false);
    return path;
}

void removeOldAttachments(qint64 maxAgeSeconds)
{
    const QDateTime limit = QDateTime::currentDateTime().addSecs(-maxAgeSeconds);
    const QDir root(attachmentRoot());
    for (const QFileInfo &entry :
         root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (entry.lastModified() < limit)
            QDir(entry.absoluteFilePath()).removeRecursively();
    }
}

QStringList xdgEmailArguments(const QString &attachmentPath, const QString &subject)
{
    QStringList args{QStringLiteral("--utf8")};
    if (!subject.isEmpty())
        args << QStringLiteral("--subject") << subject;
    args << QStringLiteral("--attach") << attachmentPath;
    return args;
}

bool startMailProgram(const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    return !program.isEmpty() && platform::startProgram(program, arguments);
}

} // namespace mailattachment
