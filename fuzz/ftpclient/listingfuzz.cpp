// Feeds arbitrary server listings and typed addresses to the FTP browser's
// parsers: every line either yields an entry with a name or nothing.
#include "ftpclient/ftpaddress.h"
#include "platform/internet.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        platform::FtpEntry entry;
        if (platform::FtpConnection::parseListLine(line, &entry) && entry.name.isEmpty())
            std::abort();
    }
    if (const auto parts = ftpaddress::split(text)) {
        QString rest = parts->path;
        int steps = 0;
        while (!ftpaddress::nextName(&rest).isEmpty())
            if (++steps > text.size() + 1)
                std::abort(); // the walk must always shorten the path
    }
    ftpaddress::AddressHistory history;
    history.add(text);
    return 0;
}
