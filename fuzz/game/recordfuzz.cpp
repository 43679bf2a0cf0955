// Any bytes in "Rubblefall.dat" give a record in range, and a record that was
// read back writes out to the same bytes' meaning.
#include "game/gamerecord.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const game::GameRecord record = game::parseRecord(bytes);
    if (record.difficulty < 0 || record.difficulty > 2 || record.hiScore < 0)
        std::abort();
    if (game::parseRecord(game::recordBytes(record)) != record)
        std::abort();
    const QString text = QString::fromLatin1(bytes);
    if (game::scrambleText(game::scrambleText(text)) != text)
        std::abort();
    return 0;
}
