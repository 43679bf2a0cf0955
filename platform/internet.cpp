#include "platform/internet.h"

#include <QRegularExpression>
#include <QUrl>

#include <curl/curl.h>

#include <mutex>

namespace platform {

namespace {

void ensureCurlInitialised()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The user reads these instead of libcurl's English texts.
QString describe(CURLcode code)
{
    switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QStringLiteral("Il protocollo dell'indirizzo non è supportato.");
    case CURLE_URL_MALFORMAT:
        return QStringLiteral("Il formato dell'indirizzo non è valido.");
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("Impossibile risolvere il nome o l'indirizzo del server.");
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Impossibile stabilire una connessione con il server.");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Operazione scaduta: il server non risponde.");
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("Il server ha rifiutato l'accesso.");
    case CURLE_REMOTE_ACCESS_DENIED:
        return QStringLiteral("Accesso negato alla risorsa richiesta.");
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FILE_COULDNT_READ_FILE:
        return QStringLiteral("Impossibile trovare la risorsa richiesta.");
    case CURLE_WEIRD_SERVER_REPLY:
        return QStringLiteral("Il server ha inviato una risposta non valida.");
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return QStringLiteral("Impossibile aprire la connessione dati con il server.");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("Impossibile stabilire una connessione sicura con il server.");
    case CURLE_GOT_NOTHING:
        return QStringLiteral("Il server ha chiuso la connessione senza rispondere.");
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
        return QStringLiteral("La connessione con il server si è interrotta.");
    case CURLE_ABORTED_BY_CALLBACK:
    case CURLE_WRITE_ERROR:
        return QStringLiteral("Trasferimento interrotto.");
    case CURLE_FILESIZE_EXCEEDED:
        return QStringLiteral("La risorsa richiesta è troppo grande.");
    default:
        return QStringLiteral("Errore di rete: %1.")
            .arg(QString::fromUtf8(curl_easy_strerror(code)));
    }
}

struct TransferState
{
    const BlockSink *sink = nullptr;
    size_t blockSize = 16384;
    QByteArray pending;
    bool abandoned = false;
    QString lastReplyLine;
};

size_t writeBlocks(char *data, size_t size, size_t count, void *user)
{
    auto *state = static_cast<TransferState *>(user);
    const size_t total = size * count;
    state->pending.append(data, qsizetype(total));
    while (size_t(state->pending.size()) >= state->blockSize) {
        if (!(*state->sink)(state->pending.constData(), state->blockSize)) {
            state->abandoned = true;
            return 0;
        }
        state->pending.remove(0, qsizetype(state->blockSize));
    }
    return total;
}

size_t collectReply(char *data, size_t size, size_t count, void *user)
{
    auto *state = static_cast<TransferState *>(user);
    const QString line = QString::fromLatin1(data, qsizetype(size * count)).trimmed();
    if (!line.isEmpty())
        state->lastReplyLine = line;
    return size * count;
}

void applyLimits(CURL *curl, const TransferLimits &limits)
{
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(limits.connectTimeoutSec));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(limits.stallTimeoutSec));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
}

bool isHttp(const QString &url)
{
    return url.startsWith(QLatin1String("http:"), Qt::CaseInsensitive) ||
           url.startsWith(QLatin1String("https:"), Qt::CaseInsensitive);
}

} // namespace

bool internetAvailable()
{
    ensureCurlInitialised();
    CURL *curl = curl_easy_init();
    if (!curl)
        return false;
    curl_easy_cleanup(curl);
    return true;
}

QString InternetError::text() const
{
    if (serverReply.isEmpty())
        return description;
    return description + QStringLiteral("\n\nRisposta del server: ") + serverReply;
}

InternetError fetchUrl(const QString &url, const BlockSink &sink, size_t blockSize,
                       const TransferLimits &limits)
{
    ensureCurlInitialised();
    InternetError error;
    CURL *curl = curl_easy_init();
    if (!curl) {
        error.description = QStringLiteral("Impossibile avviare la sessione Internet.");
        return error;
    }
    TransferState state;
    state.sink = &sink;
    state.blockSize = blockSize == 0 ? 16384 : blockSize;
    const QByteArray encoded = QUrl::fromUserInput(url).toEncoded();
    curl_easy_setopt(curl, CURLOPT_URL,
                     url.contains(QLatin1Char(' ')) ? encoded.constData()
                                                    : url.toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeBlocks);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &state);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, collectReply);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &state);
    curl_easy_setopt(curl, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Domora");
    applyLimits(curl, limits);

    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);

    if (code != CURLE_OK) {
        error.description = describe(code);
        if (!isHttp(url) && state.lastReplyLine.size() > 3 &&
            state.lastReplyLine[0] >= QLatin1Char('4'))
            error.serverReply = state.lastReplyLine;
        return error;
    }
    if (isHttp(url) && status >= 400) {
        error.description = QStringLiteral("Il server non ha fornito la risorsa richiesta.");
        error.serverReply = QStringLiteral("HTTP %1").arg(status);
        return error;
    }
    if (!state.pending.isEmpty() &&
        !sink(state.pending.constData(), size_t(state.pending.size()))) {
        error.description = describe(CURLE_ABORTED_BY_CALLBACK);
        return error;
    }
    return error;
}

InternetError fetchUrlToMemory(const QString &url, QByteArray *out, qint64 maxBytes,
                               const TransferLimits &limits)
{
    out->clear();
    bool tooLarge = false;
    InternetError error = fetchUrl(
        url,
        [&](const char *data, size_t size) {
            if (out->size() + qint64(size) > maxBytes) {
                tooLarge = true;
                return false;
            }
            out->append(data, qsizetype(size));
            return true;
        },
        65536, limits);
    if (tooLarge) {
        out->clear();
        error.description = describe(CURLE_FILESIZE_EXCEEDED);
    }
    return error;
}

struct FtpConnection::Handle
{
    CURL *curl = nullptr;
    ~Handle()
    {
        if (curl)
            curl_easy_cleanup(curl);
    }
};

FtpConnection::FtpConnection() : m_handle(std::make_unique<Handle>())
{
}

FtpConnection::~FtpConnection() = default;

QString FtpConnection::urlFor(const QString &folder) const
{
    // "%2F" first makes the path absolute on servers whose login folder is
    // not the root.
    QString url = QStringLiteral("ftp://%1:%2/").arg(m_host).arg(m_port) + QStringLiteral("%2F");
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        url += QString::fromLatin1(QUrl::toPercentEncoding(part)) + QLatin1Char('/');
    return url;
}

bool FtpConnection::open(const QString &host, int port)
{
    ensureCurlInitialised();
    close();
    m_error = {};
    m_host = host;
    m_port = port;
    m_handle->curl = curl_easy_init();
    if (!m_handle->curl) {
        m_error.description = QStringLiteral("Impossibile avviare la sessione Internet.");
        return false;
    }
    // Logging in and changing to the root proves the server is usable.
    CURL *curl = m_handle->curl;
    TransferState state;
    const QByteArray url = urlFor(QStringLiteral("/")).toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, collectReply);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &state);
    curl_easy_setopt(curl, CURLOPT_FTPPORT, "-");
    applyLimits(curl, {});
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_NOBODY, 0L);
    if (code != CURLE_OK) {
        m_error.description = describe(code);
        if (state.lastReplyLine.size() > 3 && state.lastReplyLine[0] >= QLatin1Char('4'))
            m_error.serverReply = state.lastReplyLine;
        close();
        return false;
    }
    m_open = true;
    return true;
}

void FtpConnection::close()
{
    if (m_handle->curl) {
        curl_easy_cleanup(m_handle->curl);
        m_handle->curl = nullptr;
    }
    m_open = false;
}

bool FtpConnection::list(const QString &folder, std::vector<FtpEntry> *entries)
{
    entries->clear();
    m_error = {};
    if (!m_open) {
        m_error.description = QStringLiteral("Nessuna connessione aperta con il server.");
        return false;
    }
    CURL *curl = m_handle->curl;
    QByteArray listing;
    BlockSink sink = [&](const char *data, size_t size) {
        if (listing.size() + qint64(size) > 32 * 1024 * 1024)
            return false; // no real folder lists this much
        listing.append(data, qsizetype(size));
        return true;
    };
    TransferState state;
    state.sink = &sink;
    state.blockSize = 65536;
    const QByteArray url = urlFor(folder).toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeBlocks);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &state);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, collectReply);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &state);
    const CURLcode code = curl_easy_perform(curl);
    if (code != CURLE_OK) {
        m_error.description = describe(code);
        if (state.lastReplyLine.size() > 3 && state.lastReplyLine[0] >= QLatin1Char('4'))
            m_error.serverReply = state.lastReplyLine;
        return false;
    }
    listing.append(state.pending);
    // Servers send names in their own encoding; UTF-8 when valid, else Latin-1.
    QString text = QString::fromUtf8(listing);
    if (text.contains(QChar::ReplacementCharacter))
        text = QString::fromLatin1(listing);
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r?\n")));
    for (const QString &line : lines) {
        FtpEntry entry;
        if (parseListLine(line, &entry) && entry.name != QLatin1String(".") &&
            entry.name != QLatin1String(".."))
            entries->push_back(entry);
    }
    return true;
}

bool FtpConnection::parseListLine(const QString &line, FtpEntry *entry)
{
    static const QRegularExpression unixLine(QStringLiteral(
        R"(^([-dlbcpsD])[-rwxsStTlL+.@]{9}\S*\s+\d+\s+\S+\s+(?:\S+\s+)?(\d+)\s+\w{3}\s+\d{1,2}\s+(?:\d{1,2}:\d{2}|\d{4})\s(.+)$)"));
    static const QRegularExpression dosLine(QStringLiteral(
        R"(^\d{2}-\d{2}-\d{2,4}\s+\d{1,2}:\d{2}(?:[AaPp][Mm])?\s+(<DIR>|\d+)\s+(.+)$)"));
    QString trimmed = line;
    while (trimmed.endsWith(QLatin1Char('\r')))
        trimmed.chop(1);
    if (const auto m = unixLine.match(trimmed); m.hasMatch()) {
        QString name = m.captured(3);
        const QChar kind = m.captured(1).at(0);
        if (kind == QLatin1Char('l')) {
            const qsizetype arrow = name.indexOf(QLatin1String(" -> "));
            if (arrow > 0)
                name.truncate(arrow);
        }
        entry->name = name;
        entry->isDirectory = kind == QLatin1Char('d') || kind == QLatin1Char('D');
        entry->size = m.captured(2).toLongLong();
        return !name.isEmpty();
    }
    if (const auto m = dosLine.match(trimmed); m.hasMatch()) {
        entry->name = m.captured(2);
        entry->isDirectory = m.captured(1) == QLatin1String("<DIR>");
        entry->size = entry->isDirectory ? 0 : m.captured(1).toLongLong();
        return !entry->name.isEmpty();
    }
    return false;
}

} // namespace platform
