#include "installationcheck.h"

#include <QCoreApplication>
#include <QFileInfo>

QString InstallationCheck::currentName() const
{
    return atEnd() ? QString() : m_files.at(m_index);
}

bool InstallationCheck::currentExists() const
{
    const QString name = currentName();
    return !name.isEmpty() && QFileInfo::exists(name);
}

QString InstallationCheck::missingMessage(const QString &name)
{
    return QCoreApplication::translate("console", "Il file '%1' non esiste!").arg(name);
}
