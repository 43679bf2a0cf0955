#include "styles/configfile.h"
#include "styles/stylelibrary.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Feeds arbitrary bytes to the plain reader and to the style-library reader.
// Either may reject the text, but neither may crash, hang or report an entry
// that breaks the format's invariants.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    CConfigFile file;
    try {
        file.Parse(text, "fuzz/filelist.lst");
    } catch (const CConfigException &e) {
        if (e.errorId() < 2 || e.errorId() > 5 || e.line() < 1)
            std::abort();
    }
    int previousLine = 0;
    for (const ConfigEntry &entry : file.entries()) {
        if (entry.line < previousLine || entry.type == ConfigValueType::List)
            std::abort();
        if (!entry.section.empty() && entry.section.front() != '/')
            std::abort();
        previousLine = entry.line;
    }
    std::vector<std::string> list;
    file.GetSectionStrings("/backup/shared", list);
    (void)file.GetString("/header", "productID");

    styles::StyleLibraryReader reader;
    if (!reader.parse(text, "fuzz/walls.fps") && reader.errorString().empty())
        std::abort();
    return 0;
}
