#include "shellregistration.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {

namespace {

QString xmlEscape(const QString &s)
{
    return s.toHtmlEscaped();
}

// Desktop entry values escape backslashes; Exec quotes the program path.
QString desktopQuote(const QString &path)
{
    QString q = path;
    q.replace(u'\\', QStringLiteral("\\\\"));
    q.replace(u'"', QStringLiteral("\\\""));
    return u'"' + q + u'"';
}

// Writes only when the content differs; returns 1 written, 0 unchanged, -1 error.
int writeIfChanged(const QString &path, const QByteArray &content, QString *error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return 0;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.commit()) {
        if (error)
            *error = QStringLiteral("Impossibile scrivere %1: %2").arg(path, out.errorString());
        return -1;
    }
    return 1;
}

void runIfPresent(const QString &program, const QStringList &args)
{
    const QString exe = QStandardPaths::findExecutable(program);
    if (exe.isEmpty())
        return;
    QProcess p;
    p.start(exe, args);
    p.waitForFinished(10000);
}

} // namespace

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

bool registerWithShell(const ShellRegistration &reg, QString *error)
{
    const QString data = userDataFolder();
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("Cartella dei dati dell'utente non disponibile.");
        return false;
    }

    QByteArray mime;
    bool anyDefined = false;
    mime += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const DocumentType &t : reg.types) {
        if (!t.defineType)
            continue;
        anyDefined = true;
        mime += "  <mime-type type=\"" + xmlEscape(t.mimeType).toUtf8() + "\">\n";
        mime += "    <comment>" + xmlEscape(t.comment).toUtf8() + "</comment>\n";
        if (!t.iconName.isEmpty())
            mime += "    <generic-icon name=\"" + xmlEscape(t.iconName).toUtf8() + "\"/>\n";
        for (const QString &g : t.globs)
            mime += "    <glob pattern=\"" + xmlEscape(g).toUtf8() + "\"/>\n";
        mime += "  </mime-type>\n";
    }
    mime += "</mime-info>\n";

    QStringList mimeTypes;
    for (const DocumentType &t : reg.types)
        mimeTypes << t.mimeType;
    QByteArray desktop = "[Desktop Entry]\nType=Application\n";
    desktop += "Name=" + reg.name.toUtf8() + "\n";
    if (!reg.genericName.isEmpty())
        desktop += "GenericName=" + reg.genericName.toUtf8() + "\n";
    desktop += "Exec=" + desktopQuote(reg.executable).toUtf8() + " %f\n";
    if (!reg.iconPath.isEmpty())
        desktop += "Icon=" + reg.iconPath.toUtf8() + "\n";
    desktop += "Terminal=false\n";
    if (!mimeTypes.isEmpty())
        desktop += "MimeType=" + mimeTypes.join(u';').toUtf8() + ";\n";
    if (!reg.categories.isEmpty())
        desktop += "Categories=" + reg.categories.join(u';').toUtf8() + ";\n";

    int mimeResult = 0;
    if (anyDefined) {
        mimeResult = writeIfChanged(data + QStringLiteral("/mime/packages/") + reg.desktopId +
                                        QStringLiteral(".xml"),
                                    mime, error);
        if (mimeResult < 0)
            return false;
    }
    const int desktopResult = writeIfChanged(data + QStringLiteral("/applications/") +
                                                 reg.desktopId + QStringLiteral(".desktop"),
                                             desktop, error);
    if (desktopResult < 0)
        return false;
    if (mimeResult > 0)
        runIfPresent(QStringLiteral("update-mime-database"), {data + QStringLiteral("/mime")});
    if (desktopResult > 0)
        runIfPresent(QStringLiteral("update-desktop-database"),
                     {data + QStringLiteral("/applications")});
    return true;
}

} // namespace platform
