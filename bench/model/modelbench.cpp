// The 10,000-room plan: undo snapshot, restore, save and open, each beside a
// memcpy of as many bytes so that the ratio shows; and what the plan with
// five snapshots keeps resident.
#include "model/archive.h"
#include "model/cdomoradoc.h"
#include "model/tests/sampleplan.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int roomCount = 10000;
constexpr int otherCount = 1000;

CDomoraDoc &plan()
{
    static const auto doc = model::samples::generatedPlan(roomCount, otherCount);
    return *doc;
}

QByteArray snapshotOf(const CDomoraDoc &doc)
{
    model::ArchiveWriter ar(nullptr, CUndoHistory::growthBytes);
    doc.Serialize(ar);
    return ar.takeData();
}

const QByteArray &planSnapshot()
{
    static const QByteArray bytes = snapshotOf(plan());
    return bytes;
}

const QString &planFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("piano.fpd"));
        (void)plan().OnSaveDocument(p);
        return p;
    }();
    return path;
}

void setBytes(benchmark::State &state, qsizetype bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
    state.counters["MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// An undo snapshot after a change: the whole plan serialised to memory,
// compared with the last one and kept.
void BM_UndoSnapshot(benchmark::State &state)
{
    CDomoraDoc &doc = plan();
    for (auto _ : state) {
        doc.setDocValue(doc.docValue() + 1);
        doc.CheckPoint();
    }
    setBytes(state, planSnapshot().size());
    doc.ClearHistory();
}

// Reading a snapshot back into the document, as undo and redo do.
void BM_RestoreSnapshot(benchmark::State &state)
{
    const QByteArray &bytes = planSnapshot();
    CDomoraDoc doc;
    for (auto _ : state) {
        model::ArchiveReader ar(bytes);
        doc.Serialize(ar);
    }
    setBytes(state, bytes.size());
}

void BM_MemcpySnapshotBytes(benchmark::State &state)
{
    const QByteArray &source = planSnapshot();
    QByteArray target(source.size(), Qt::Uninitialized);
    for (auto _ : state) {
        std::memcpy(target.data(), source.constData(), static_cast<size_t>(source.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    setBytes(state, source.size());
}

// The same copy from and to memory that is not in the cache, as a snapshot
// of a large plan meets it: the copies go round sixteen pairs of buffers.
void BM_MemcpySnapshotBytesCold(benchmark::State &state)
{
    const qsizetype size = planSnapshot().size();
    std::vector<QByteArray> sources(16, QByteArray(size, 'x'));
    std::vector<QByteArray> targets(16, QByteArray(size, 'y'));
    size_t next = 0;
    for (auto _ : state) {
        std::memcpy(targets[next].data(), sources[next].constData(), static_cast<size_t>(size));
        benchmark::DoNotOptimize(targets[next].data());
        benchmark::ClobberMemory();
        next = (next + 1) % sources.size();
    }
    setBytes(state, size);
}

// Saving to a .fpd file: archive, compound file, safe save with its flushes.
void BM_SaveFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("salva.fpd"));
    CDomoraDoc &doc = plan();
    for (auto _ : state) {
        if (doc.OnSaveDocument(path).isError())
            state.SkipWithError("save failed");
    }
    setBytes(state, QFile(path).size());
}

// Opening the 10,000-room file; the goal is under 0.3 s.
void BM_OpenFile(benchmark::State &state)
{
    const QString &path = planFile();
    for (auto _ : state) {
        CDomoraDoc doc;
        if (doc.OnOpenDocument(path).isError())
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(doc.objects().data());
    }
    setBytes(state, QFile(path).size());
}

void BM_MemcpyFileBytes(benchmark::State &state)
{
    const qsizetype size = QFile(planFile()).size();
    const QByteArray source(size, 'x');
    QByteArray target(size, Qt::Uninitialized);
    for (auto _ : state) {
        std::memcpy(target.data(), source.constData(), static_cast<size_t>(size));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    setBytes(state, size);
}

// The plan opened with a full undo list (five snapshots), in a process of
// its own; the goal is under 150 MB resident.
void BM_ResidentWithFiveSnapshots(benchmark::State &state)
{
    for (auto _ : state) {
        QProcess probe;
        probe.start(QStringLiteral(RESIDENT_PROBE), {planFile()});
        probe.waitForFinished(120000);
        const QList<QByteArray> fields = probe.readAllStandardOutput().trimmed().split(' ');
        if (probe.exitCode() != 0 || fields.size() != 2) {
            state.SkipWithError("the probe failed");
            return;
        }
        state.counters["residentMB"] = fields[0].toDouble();
        state.counters["snapshots"] = fields[1].toDouble();
    }
}

} // namespace

BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreSnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpySnapshotBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpySnapshotBytesCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResidentWithFiveSnapshots)->Unit(benchmark::kMillisecond)->Iterations(1);
