#include "model/compound.h"
#include "model/summaryinfo.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Reads every stream below a storage; returns the bytes seen.
qint64 readAll(const model::CompoundFile &file, const QString &storage, int depth)
{
    qint64 total = 0;
    for (const auto &entry : file.entries(storage)) {
        const QString path = storage.isEmpty() ? entry.name : storage + u'/' + entry.name;
        if (entry.isStorage) {
            if (depth < model::CompoundFile::maxDepth)
                total += readAll(file, path, depth + 1);
        } else if (const auto data = file.stream(path)) {
            total += data->size();
        }
    }
    return total;
}

} // namespace

// Whatever the bytes, reading ends with content or with an error; content
// that was read must write and read back to the same content.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    model::SummaryInformation info;
    (void)model::readSummaryInformation(bytes, info);

    model::CompoundFile file;
    if (!file.load(bytes)) {
        if (!file.error().isError() || file.error().message.isEmpty())
            std::abort();
        return 0;
    }
    const qint64 total = readAll(file, {}, 0);
    if (const auto summary = file.stream(model::summaryStreamName()))
        (void)model::readSummaryInformation(*summary, info);

    model::CompoundFile copy;
    if (!copy.load(file.toBytes()) || readAll(copy, {}, 0) != total ||
        copy.toBytes() != file.toBytes())
        std::abort();
    return 0;
}
