#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// A temporary folder the tests write files into.
class TestFolder
{
public:
    [[nodiscard]] QString path() const { return m_dir.path(); }
    [[nodiscard]] QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString write(const QString &name, const QByteArray &content) const
    {
        const QString p = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
        return p;
    }
    [[nodiscard]] QByteArray read(const QString &name) const
    {
        QFile f(m_dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

// The header every valid file list carries.
inline QByteArray fileListHeader(const QByteArray &version = "\"1.0.0\"",
                                 const QByteArray &product = "\"Domora\"")
{
    return "<header>\r\n   productID = \"{B82FE9F6-B5CE-46E3-ACCE-999D38D784D6}\"\r\n"
           "   fileID = \"{C1D59D2F-BCFE-412D-8553-E4B35851D75E}\"\r\n"
           "   product = " +
           product + "\r\n   productVersion = " + version + "\r\n</header>\r\n";
}
