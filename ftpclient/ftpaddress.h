#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The address rules of the FTP browser, without widgets.
namespace ftpaddress {

// An address split as a URL.
struct Parts
{
    QString scheme; // lower case, "ftp" for FTP
    QString server;
    QString path; // decoded, "" when the address names no path
    int port = 0; // 0 when the address names none; the browser never uses it
};

// Splits text as a URL ("scheme:" followed by the rest); empty when the text
// is not one.
[[nodiscard]] std::optional<Parts> crack(const QString &text);

// Splits what the user typed: as it stands, else with "ftp://" in front.
[[nodiscard]] std::optional<Parts> split(const QString &typed);

// Whether the parts name an FTP server the browser can connect to.
[[nodiscard]] bool isUsableFtp(const Parts &parts);

// The next name of a path walk: leading "/" characters are dropped, then the
// text up to the next "/" is taken out of rest. Empty when rest holds no
// more names.
[[nodiscard]] QString nextName(QString *rest);

// The path of a tree item from the names on the way down from the root
// (the root itself excluded): "/" for the root, "/a", "/a/b", ...
[[nodiscard]] QString itemPath(const QStringList &namesBelowRoot);

// The drop-down list of the address box: at most five addresses, the most
// recent first, no two equal (exact, case-sensitive comparison).
class AddressHistory
{
public:
    static constexpr int maxEntries = 5;
    void add(const QString &address);
    [[nodiscard]] const QStringList &entries() const { return m_entries; }

private:
    QStringList m_entries;
};

} // namespace ftpaddress
