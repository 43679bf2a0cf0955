// Any content of the private profile file reads as a value that is not
// negative, or as the default.
#include "notepad/privateprofile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const int value = privateprofile::readIntFromBytes(bytes, QStringLiteral("Settings"),
                                                       QStringLiteral("ChangeDefaultAppDir"), -7);
    if (value < 0 && value != -7)
        std::abort();
    return 0;
}
