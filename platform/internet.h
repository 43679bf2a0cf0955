#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Internet access for the suite: downloads over http, https, ftp and file
// URLs, and an anonymous FTP connection that lists folders. Built on libcurl.
// Every operation has a connection time-out and a stall time-out, so a
// server that stops answering ends in an error, never in a hang.
namespace platform {

// What went wrong, in words a user can read (Italian), plus the server's
// own reply when it refused something.
struct InternetError
{
    QString description;
    QString serverReply; // last reply line of an FTP server, or "404 Not Found"
    bool isError() const { return !description.isEmpty(); }
    // The text shown to the user: the description, followed by the server's
    // reply when there is one.
    QString text() const;
};

struct TransferLimits
{
    int connectTimeoutSec = 20;
    // A transfer that moves fewer than 1 byte per second for this long is
    // abandoned.
    int stallTimeoutSec = 60;
};

// Whether an internet session can be made at all (the network library
// initialised).
bool internetAvailable();

// Called for every block received; return false to abandon the transfer.
using BlockSink = std::function<bool(const char *data, size_t size)>;

// Opens the URL and hands its content to the sink block by block (at most
// blockSize bytes each). An http answer with a status of 400 or more is an
// error, not content. Returns an empty error on success.
InternetError fetchUrl(const QString &url, const BlockSink &sink, size_t blockSize = 16384,
                       const TransferLimits &limits = {});

// Reads a whole URL into memory; refuses content larger than maxBytes.
InternetError fetchUrlToMemory(const QString &url, QByteArray *out,
                               qint64 maxBytes = 64 * 1024 * 1024,
                               const TransferLimits &limits = {});

struct FtpEntry
{
    QString name;
    bool isDirectory = false;
    qint64 size = 0;
};

// A connection to an FTP server. It logs in anonymously and uses active
// mode; the session is kept open between listings.
class FtpConnection
{
public:
    FtpConnection();
    ~FtpConnection();
    FtpConnection(const FtpConnection &) = delete;
    FtpConnection &operator=(const FtpConnection &) = delete;

    // Connects and logs in to host on the given port. False with lastError()
    // set when the server cannot be reached or refuses the login.
    bool open(const QString &host, int port = 21);
    void close();
    bool isOpen() const { return m_open; }
    QString host() const { return m_host; }

    // Lists the folder (an absolute path, "/" for the root). The entries "."
    // and ".." are left out. False with lastError() set on failure.
    bool list(const QString &folder, std::vector<FtpEntry> *entries);

    const InternetError &lastError() const { return m_error; }

    // Parses one line of a LIST answer (Unix or DOS style). False for lines
    // that describe no entry ("total 12", blank lines).
    static bool parseListLine(const QString &line, FtpEntry *entry);

private:
    QString urlFor(const QString &folder) const;

    struct Handle;
    std::unique_ptr<Handle> m_handle;
    QString m_host;
    int m_port = 21;
    bool m_open = false;
    InternetError m_error;
};

} // namespace platform
