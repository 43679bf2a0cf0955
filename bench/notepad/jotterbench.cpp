// Opening and saving text files of 1, 8 and 32 MB: the decoding and encoding
// alone, and the whole way through the document and its view (the text laid
// out and wrapped at the window's width), plus replacing every match in a
// large file.
#include "notepad/cjotterapp.h"
#include "notepad/cjotterdoc.h"
#include "notepad/cjotterview.h"
#include "notepad/jottertext.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Italian prose with accents, CR LF line ends, about `megabytes` MB.
QByteArray sampleText(int megabytes, bool windows1252 = false)
{
    const QByteArray line = "Il soggiorno è luminoso, la cucina è abitabile e c'è un balcone "
                            "verso il cortile; perché non vederlo già domani?\r\n";
    QByteArray text;
    text.reserve(qsizetype(megabytes) * 1024 * 1024 + line.size());
    while (text.size() < qsizetype(megabytes) * 1024 * 1024)
        text += line;
    if (windows1252)
        text = QString::fromUtf8(text).toLatin1();
    return text;
}

void setBytes(benchmark::State &state, qsizetype bytes)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
    state.counters["MB"] = double(bytes) / (1024 * 1024);
}

void BM_DecodeUtf8(benchmark::State &state)
{
    const QByteArray bytes = sampleText(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(jottertext::decode(bytes));
    setBytes(state, bytes.size());
}

void BM_DecodeWindows1252(benchmark::State &state)
{
    const QByteArray bytes = sampleText(int(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(jottertext::decode(bytes));
    setBytes(state, bytes.size());
}

void BM_Encode(benchmark::State &state)
{
    const QByteArray bytes = sampleText(int(state.range(0)));
    const jottertext::Decoded decoded = jottertext::decode(bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(jottertext::encode(decoded.text, decoded.format));
    setBytes(state, bytes.size());
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
}

// Open: read, decode, fill the document, lay it out in a shown view.
void BM_OpenIntoView(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grande.txt"));
    const QByteArray bytes = sampleText(int(state.range(0)));
    writeFile(path, bytes);
    CJotterApp app;
    for (auto _ : state) {
        CJotterDoc doc(app, QStringLiteral("Documento1"));
        CJotterView view(doc, app);
        view.resize(900, 600);
        view.show();
        doc.readFile(path, nullptr);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(view.document()->lineCount());
    }
    setBytes(state, bytes.size());
}

// Save: take the text from the view's document, encode, write and replace.
void BM_SaveFromView(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grande.txt"));
    const QByteArray bytes = sampleText(int(state.range(0)));
    writeFile(path, bytes);
    CJotterApp app;
    CJotterDoc doc(app, QStringLiteral("Documento1"));
    CJotterView view(doc, app);
    doc.readFile(path, nullptr);
    for (auto _ : state)
        doc.writeFile(path, nullptr);
    setBytes(state, bytes.size());
}

void BM_ReplaceAll(benchmark::State &state)
{
    const QByteArray bytes = sampleText(int(state.range(0)));
    const QString text = jottertext::decode(bytes).text;
    CJotterApp app;
    CJotterDoc doc(app, QStringLiteral("Documento1"));
    CJotterView view(doc, app);
    int replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        doc.setText(text);
        state.ResumeTiming();
        replaced = view.replaceAll({QStringLiteral("cucina"), false, true, true},
                                   QStringLiteral("cucina abitabile"));
    }
    state.counters["replaced"] = replaced;
    setBytes(state, bytes.size());
}

} // namespace

BENCHMARK(BM_DecodeUtf8)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeWindows1252)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenIntoView)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFromView)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll)->Arg(1)->Unit(benchmark::kMillisecond);
