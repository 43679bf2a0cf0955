#include "model/archive.h"
#include "model/cdomoradoc.h"
#include "model/cdrawobj.h"
#include "model/clipboardformat.h"

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray archiveOf(const CDomoraDoc &doc)
{
    model::ArchiveWriter ar;
    doc.Serialize(ar);
    return ar.takeData();
}

// Geometry on whatever was read must stay defined behaviour.
void exercise(CDrawObj &o)
{
    for (int n = 0; n <= o.GetHandleCount() && n < 64; ++n)
        (void)o.GetHandle(n);
    (void)o.Intersects(geokit::Rect(10, 10, 12, 12));
    (void)o.HitTest({10, 10}, nullptr, true);
    (void)o.Clone(true);
}

} // namespace

// The first byte chooses what the rest is read as: 'C' a clipboard list,
// anything else a document archive. Whatever the bytes, reading ends with
// objects or with an archive error; what was read writes and reads back to
// the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    if (data[0] == 'C') {
        try {
            for (const auto &o : model::readObjectList(bytes))
                exercise(*o);
        } catch (const model::ArchiveException &e) {
            if (e.message().isEmpty())
                std::abort();
        }
        return 0;
    }
    CDomoraDoc doc;
    try {
        model::ArchiveReader ar(bytes);
        doc.Serialize(ar);
    } catch (const model::ArchiveException &e) {
        if (e.message().isEmpty() || !doc.objects().empty())
            std::abort();
        return 0;
    }
    for (const auto &o : doc.objects())
        exercise(*o);
    (void)doc.ObjectAt({5, 5});
    const QByteArray first = archiveOf(doc);
    CDomoraDoc copy;
    model::ArchiveReader again(first);
    copy.Serialize(again);
    if (archiveOf(copy) != first)
        std::abort();
    // Read twice more into the document: the second time into the objects
    // the first one replaced.
    for (int round = 0; round < 2; ++round) {
        model::ArchiveReader intoKept(first);
        doc.Serialize(intoKept);
        if (archiveOf(doc) != first)
            std::abort();
    }
    return 0;
}
