// Whatever a file holds, opening and saving it unchanged writes the same
// bytes, and the text the edit control gets holds none of the characters it
// would change on its own (a carriage return, the paragraph separator, the
// frame marks).
#include "notepad/jottertext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const jottertext::Decoded decoded = jottertext::decode(bytes);
    for (const QChar c : decoded.text) {
        if (c == u'\r' || c == QChar::ParagraphSeparator || c.unicode() == 0xFDD0 ||
            c.unicode() == 0xFDD1)
            std::abort();
    }
    jottertext::Encoding used = decoded.format.encoding;
    if (jottertext::encode(decoded.text, decoded.format, &used) != bytes ||
        used != decoded.format.encoding)
        std::abort();
    // Text typed after the content is written in the same encoding.
    const QString typed = decoded.text + QStringLiteral("\nè");
    if (jottertext::encode(typed, decoded.format, &used).isEmpty() ||
        used != decoded.format.encoding)
        std::abort();
    return 0;
}
