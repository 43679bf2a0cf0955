#include "model/compound.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr qsizetype streamBytes = 20 * 1024 * 1024;

QByteArray payload()
{
    QByteArray data(streamBytes, Qt::Uninitialized);
    quint32 x = 1;
    for (char &c : data) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
    }
    return data;
}

model::CompoundFile fileWithStream()
{
    model::CompoundFile file;
    file.setStream(QStringLiteral("Contents"), payload());
    file.setStream(QStringLiteral("Item 1/Data"), QByteArray(1000, 'd'));
    return file;
}

// The floor the others are measured against.
void BM_MemcpySameBytes(benchmark::State &state)
{
    const QByteArray source = payload();
    QByteArray target(streamBytes, Qt::Uninitialized);
    for (auto _ : state) {
        std::memcpy(target.data(), source.constData(), size_t(streamBytes));
        benchmark::DoNotOptimize(target.data());
    }
    state.SetBytesProcessed(state.iterations() * streamBytes);
}

void BM_Write20MbStreamToMemory(benchmark::State &state)
{
    const model::CompoundFile file = fileWithStream();
    for (auto _ : state)
        benchmark::DoNotOptimize(file.toBytes());
    state.SetBytesProcessed(state.iterations() * streamBytes);
}

void BM_Read20MbStreamFromMemory(benchmark::State &state)
{
    const QByteArray bytes = fileWithStream().toBytes();
    for (auto _ : state) {
        model::CompoundFile file;
        if (!file.load(bytes))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(file.stream(QStringLiteral("Contents")));
    }
    state.SetBytesProcessed(state.iterations() * streamBytes);
}

// Through the disk: the safe save's fsync is part of the price.
void BM_SaveAndOpen20MbFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.fpd"));
    model::CompoundFile file = fileWithStream();
    for (auto _ : state) {
        if (!file.saveFile(path))
            state.SkipWithError("save failed");
        model::CompoundFile copy;
        if (!copy.loadFile(path))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(copy.stream(QStringLiteral("Contents")));
    }
    state.SetBytesProcessed(state.iterations() * streamBytes);
}

} // namespace

BENCHMARK(BM_MemcpySameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Write20MbStreamToMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Read20MbStreamFromMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveAndOpen20MbFile)->Unit(benchmark::kMillisecond)->UseRealTime();
