#include "configurationstore.h"

#include "platform/registry.h"

#include <QCoreApplication>

namespace console::configuration {

bool save(const QString &regFilePath, bool onlyCustomisations)
{
    if (regFilePath.trimmed().isEmpty())
        return false;
    const platform::Registry registry(QString::fromLatin1(editorApplication));
    return registry.exportKey(onlyCustomisations ? QStringLiteral("Interface") : QString(),
                              regFilePath);
}

bool add(const QString &regFilePath)
{
    return platform::importRegFile(regFilePath);
}

void reset(const ResetChoice &choice)
{
    platform::Registry registry(QString::fromLatin1(editorApplication));
    if (choice.interface)
        registry.deleteKey(QStringLiteral("Interface"));
    if (choice.settings)
        registry.deleteKey(QStringLiteral("Settings"));
    if (choice.recentFiles)
        registry.deleteKey(QStringLiteral("Recent File List"));
}

QString exportFailedMessage()
{
    return QCoreApplication::translate("console", "Errore durante l'esportazione delle "
                                                  "informazioni dal registro di configurazione.");
}

QString importFailedMessage()
{
    return QCoreApplication::translate("console", "Errore durante l'importazione delle "
                                                  "informazioni dal registro di configurazione.");
}

} // namespace console::configuration
