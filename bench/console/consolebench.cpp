#include "console/stylesyntax.h"
#include "console/styletemplates.h"
#include "styles/configfile.h"
#include "styles/stylelibrary.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A file list of `files` names spread over the four backup sections.
std::string fileList(int files)
{
    std::string text = "<header>\r\n   productID = \"{B82FE9F6-B5CE-46E3-ACCE-999D38D784D6}\"\r\n"
                       "   product = \"Domora\"\r\n</header>\r\n<backup>\r\n";
    const char *sections[] = {"shared", "libs", "resources", "styles"};
    for (int s = 0; s < 4; ++s) {
        text += std::string("    <") + sections[s] + ">\r\n";
        for (int i = 0; i < files / 4; ++i)
            text += "        := \"Library\\Simboli\\simbolo" + std::to_string(i) + ".bmp\"\r\n";
        text += std::string("    </") + sections[s] + ">\r\n";
    }
    return text + "</backup>\r\n";
}

// A room library of `styles` styles of two rooms each, in the templates' layout.
QString roomLibrary(int styles)
{
    QString text = styletemplates::header(styles::LibraryKind::Rooms);
    for (int i = 0; i < styles; ++i) {
        QString style = styletemplates::style(styles::LibraryKind::Rooms);
        style.insert(style.indexOf(QStringLiteral("    </background>")), styletemplates::room());
        text += style;
    }
    return text;
}

void BM_ConfigFileParse(benchmark::State &state)
{
    const std::string text = fileList(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CConfigFile file;
        file.Parse(text, "filelist.lst");
        std::vector<std::string> names;
        file.GetSectionStrings("/backup/styles", names);
        benchmark::DoNotOptimize(names.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ConfigFileParse)->Arg(1000)->Arg(20000);

void BM_StyleLibraryRead(benchmark::State &state)
{
    const std::string text = roomLibrary(static_cast<int>(state.range(0))).toStdString();
    for (auto _ : state) {
        styles::StyleLibraryReader reader;
        if (!reader.parse(text))
            state.SkipWithError("the library did not read");
        benchmark::DoNotOptimize(reader.library().styles.size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_StyleLibraryRead)->Arg(10)->Arg(200);

// The editor colours the whole text after every change: a large library
// must still colour in a fraction of a keystroke.
void BM_SyntaxWholeText(benchmark::State &state)
{
    const QString text = roomLibrary(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const auto spans = stylesyntax::textSpans(text);
        benchmark::DoNotOptimize(spans.size());
    }
    state.counters["lines"] = static_cast<double>(text.count(u'\n'));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()) * 2);
}
BENCHMARK(BM_SyntaxWholeText)->Arg(10)->Arg(200);

} // namespace
