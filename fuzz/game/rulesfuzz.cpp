// A field of any tiles and any clicks: the border stays empty, nothing is
// created, and after every click that removed tiles the field is closed up
// (no tile above a gap, no empty column between tiles and the middle).
#include "game/fieldrules.h"

#include <cstdint>
#include <cstdlib>

using namespace game;

namespace {

constexpr int N = TileGrid::fieldSize;

int tileCount(const TileGrid &grid)
{
    return N * N - grid.emptyCellCount();
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkClosedUp(const TileGrid &grid)
{
    for (int col = 1; col <= N; ++col) {
        for (int row = 2; row <= N; ++row)
            check(!(grid.isEmptyCell(col, row) && !grid.isEmptyCell(col, row - 1)));
    }
    for (int a = 2; a <= N / 2; ++a)
        check(!(grid.isColumnEmpty(a) && !grid.isColumnEmpty(a - 1)));
    for (int i = N / 2 + 1; i < N; ++i)
        check(!(grid.isColumnEmpty(i) && !grid.isColumnEmpty(i + 1)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < N * N)
        return 0;
    TileGrid grid;
    for (int i = 0; i < N * N; ++i) {
        const int kind = data[i] % 8;       // 7 is no kind at all
        const int colour = data[i] / 8 % 7; // 6 is no colour at all
        grid.setCellValue(1 + i % N, 1 + i / N, kind + colour * 255);
    }
    for (std::size_t i = N * N; i + 1 < size; i += 2) {
        const int before = tileCount(grid);
        const PlayResult result = playCell(grid, data[i] % 16 - 1, data[i + 1] % 16 - 1);
        check(tileCount(grid) == before - static_cast<int>(result.wiped.size()));
        if (!result.wiped.empty())
            checkClosedUp(grid);
        for (int k = 0; k <= N + 1; ++k)
            check(grid.cell(0, k) == 0 && grid.cell(N + 1, k) == 0 && grid.cell(k, 0) == 0 &&
                  grid.cell(k, N + 1) == 0);
    }
    return 0;
}
