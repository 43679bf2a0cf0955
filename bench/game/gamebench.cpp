// How long the rules take on the worst fields a game can hold; a click must
// feel instant and a clock tick must be far below the 100 ms of Esperto.
#include "game/fieldrules.h"
#include "game/gamesession.h"
#include "game/randomsource.h"

#include <benchmark/benchmark.h>

using namespace game;

namespace {

constexpr int N = TileGrid::fieldSize;

TileGrid fullField(int colours)
{
    TileGrid grid;
    for (int col = 1; col <= N; ++col) {
        for (int row = 1; row <= N; ++row)
            grid.setCell(col, row, TileKind::Normal, 1 + (col * 7 + row * 3) % colours);
    }
    return grid;
}

// A field of one colour: the click removes all 144 tiles.
void BM_PlayCellWholeField(benchmark::State &state)
{
    const TileGrid full = fullField(1);
    for (auto _ : state) {
        TileGrid grid = full;
        benchmark::DoNotOptimize(playCell(grid, 6, 12));
    }
}
BENCHMARK(BM_PlayCellWholeField);

// Every other column emptied and holes everywhere: the most single shifts
// compactField has to make one by one.
void BM_CompactScatteredField(benchmark::State &state)
{
    TileGrid scattered = fullField(5);
    for (int col = 1; col <= N; ++col) {
        for (int row = 1; row <= N; ++row) {
            if (col % 2 == 0 || row % 2 == 0)
                scattered.setCellValue(col, row, 0);
        }
    }
    for (auto _ : state) {
        TileGrid grid = scattered;
        compactField(grid);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_CompactScatteredField);

// A lightning strike across the bottom of a full field: all 132 tiles above
// fall one row, column by column.
void BM_LightningOnBottomRow(benchmark::State &state)
{
    TileGrid full = fullField(5);
    full.setCell(1, N, TileKind::Lightning, NoColour);
    for (auto _ : state) {
        TileGrid grid = full;
        benchmark::DoNotOptimize(playCell(grid, 1, N));
    }
}
BENCHMARK(BM_LightningOnBottomRow);

void BM_DemoStep(benchmark::State &state)
{
    SeededRandom random(7);
    TileGrid grid;
    for (auto _ : state)
        demoStep(grid, random);
}
BENCHMARK(BM_DemoStep);

// Game clock ticks through preview tiles and rises until the game ends.
void BM_ClockTicksToGameOver(benchmark::State &state)
{
    SeededRandom random(11);
    for (auto _ : state) {
        GameSession session(random);
        session.setDifficulty(Expert);
        session.doGameStart();
        int ticks = 0;
        while (session.isPlaying()) {
            session.clockTick();
            ++ticks;
        }
        state.counters["ticks"] = ticks;
    }
}
BENCHMARK(BM_ClockTicksToGameOver);

} // namespace
