#include "ftpclient/ftpaddress.h"

#include <QUrl>

namespace ftpaddress {

std::optional<Parts> crack(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QUrl url(trimmed, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return std::nullopt;
    Parts parts;
    parts.scheme = url.scheme().toLower();
    parts.server = url.host(QUrl::FullyDecoded);
    parts.path = url.path(QUrl::FullyDecoded);
    parts.port = qMax(0, url.port());
    return parts;
}

std::optional<Parts> split(const QString &typed)
{
    if (auto parts = crack(typed);
        parts && (parts->scheme == QLatin1String("ftp") || typed.contains(QLatin1String("://"))))
        return parts;
    // "host/path" and even "host:21/path" are plain FTP addresses without
    // their scheme.
    if (auto parts = crack(QStringLiteral("ftp://") + typed.trimmed()))
        return parts;
    return crack(typed);
}

bool isUsableFtp(const Parts &parts)
{
    return parts.scheme == QLatin1String("ftp") && !parts.server.isEmpty();
}

QString nextName(QString *rest)
{
    while (rest->startsWith(QLatin1Char('/')))
        rest->remove(0, 1);
    const qsizetype slash = rest->indexOf(QLatin1Char('/'));
    QString name;
    if (slash < 0) {
        name = *rest;
        rest->clear();
    } else {
        name = rest->left(slash);
        rest->remove(0, slash + 1);
    }
    return name;
}

QString itemPath(const QStringList &namesBelowRoot)
{
    if (namesBelowRoot.isEmpty())
        return QStringLiteral("/");
    return QLatin1Char('/') + namesBelowRoot.join(QLatin1Char('/'));
}

void AddressHistory::add(const QString &address)
{
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i) {
        if (m_entries.at(i) == address) {
            m_entries.removeAt(i);
            break;
        }
    }
    m_entries.prepend(address);
    if (m_entries.size() > maxEntries)
        m_entries.removeAt(maxEntries);
}

} // namespace ftpaddress
