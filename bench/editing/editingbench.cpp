#include "editor/tools/autoformat.h"
#include "editor/tools/roomedits.h"
#include "editor/tools/roomgeometry.h"
#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/tests/sampleplan.h"

#include <benchmark/benchmark.h>

namespace {

// The undo command's enabling asks, four times a second, whether the plan
// moved on from its last snapshot; with one snapshot that means encoding the
// whole plan.
void BM_CanUndoOnAFiftyRoomPlan(benchmark::State &state)
{
    const auto doc = model::samples::generatedPlan(50, 50);
    doc->ClearHistory();
    doc->CheckPoint();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc->CanUndo());
}
BENCHMARK(BM_CanUndoOnAFiftyRoomPlan)->Unit(benchmark::kMicrosecond);

void BM_AutoFormatFiftyRooms(benchmark::State &state)
{
    const auto doc = model::samples::generatedPlan(50, 50);
    int style = 0;
    for (auto _ : state) {
        style = (style + 1) % editing::galleryStyleCount;
        benchmark::DoNotOptimize(editing::applyAutoFormat(*doc, style, {}));
    }
}
BENCHMARK(BM_AutoFormatFiftyRooms)->Unit(benchmark::kMillisecond);

// One drag step of the rotate mode: the room turned from its original shape.
void BM_RotateStepOfAnEightVertexRoom(benchmark::State &state)
{
    const auto doc = model::samples::generatedPlan(1, 0);
    const editing::RoomShape original = editing::shapeOf(*model::samples::firstRoom(*doc));
    double angle = 0.0;
    for (auto _ : state) {
        editing::RoomShape shape = original;
        editing::rotateShape(shape, editing::boundsOf(shape.points).centre(), angle += 1.0);
        benchmark::DoNotOptimize(shape.points.data());
    }
}
BENCHMARK(BM_RotateStepOfAnEightVertexRoom)->Unit(benchmark::kMicrosecond);

// A split with its undo step on a fifty-room plan.
void BM_SplitSegmentWithUndoStep(benchmark::State &state)
{
    const auto doc = model::samples::generatedPlan(50, 50);
    for (auto _ : state) {
        state.PauseTiming();
        doc->ClearHistory();
        doc->CheckPoint();
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            editing::splitSegment(*doc, *model::samples::firstRoom(*doc), 0, 1));
    }
}
BENCHMARK(BM_SplitSegmentWithUndoStep)->Unit(benchmark::kMicrosecond);

} // namespace
