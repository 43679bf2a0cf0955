#pragma once

#include <QString>
#include <QStringList>

// The installation check: looks for each listed name, relative to the
// current directory, one name per step.
class InstallationCheck
{
public:
    explicit InstallationCheck(QStringList files) : m_files(std::move(files)) {}

    [[nodiscard]] qsizetype count() const { return m_files.size(); }
    [[nodiscard]] bool atEnd() const { return m_index >= m_files.size(); }
    [[nodiscard]] QString currentName() const;
    [[nodiscard]] bool currentExists() const;
    void advance() { ++m_index; }

    [[nodiscard]] static QString missingMessage(const QString &name);

private:
    QStringList m_files;
    qsizetype m_index = 0;
};
