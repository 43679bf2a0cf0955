#include "fieldrules.h"

#include "randomsource.h"
#include "tiledraw.h"

#include <algorithm>

namespace game {

namespace {

constexpr int N = TileGrid::fieldSize;

void wipeCell(TileGrid &grid, int col, int row, PlayResult &result)
{
    grid.setCellValue(col, row, 0);
    result.wiped.push_back({col, row});
}

void explodeBomb(TileGrid &grid, int col, int row, PlayResult &result)
{
    for (int c = col - 1; c <= col + 1; ++c) {
        for (int r = row - 1; r <= row + 1; ++r) {
            if (TileGrid::inField(c) && TileGrid::inField(r) && !grid.isEmptyCell(c, r))
                wipeCell(grid, c, r, result);
        }
    }
}

void strikeRow(TileGrid &grid, int row, PlayResult &result)
{
    for (int c = 1; c <= N; ++c) {
        if (!grid.isEmptyCell(c, row))
            wipeCell(grid, c, row, result);
    }
}

// Every normal and two-colour tile becomes a normal tile in a red and green
// checkerboard; bombs, lightning and black tiles keep what they are.
void recolourTiles(TileGrid &grid)
{
    for (int c = 1; c <= N; ++c) {
        for (int r = 1; r <= N; ++r) {
            const TileKind kind = grid.cellKind(c, r);
            if (kind == TileKind::Normal || kind == TileKind::TwoColour)
                grid.setCell(c, r, TileKind::Normal, (r + c) % 2 == 0 ? Red : Green);
        }
    }
}

bool columnHasTiles(const TileGrid &grid, int col)
{
    return !grid.isColumnEmpty(col);
}

void copyColumn(TileGrid &grid, int from, int to)
{
    for (int r = 1; r <= N; ++r)
        grid.setCellValue(to, r, grid.cell(from, r));
}

} // namespace

std::vector<CellPos> collectGroup(const TileGrid &grid, int col, int row)
{
    std::vector<CellPos> group{{col, row}};
    const int colour = grid.cellColour(col, row);
    if (colour == NoColour || !TileGrid::inField(col) || !TileGrid::inField(row))
        return group;
    std::array<std::array<bool, N + 2>, N + 2> seen{};
    seen[col][row] = true;
    // The depth is at most the 144 cells of the field.
    const auto visit = [&](const auto &self, CellPos at) -> void {
        const CellPos neighbours[] = {
            {at.col - 1, at.row}, {at.col + 1, at.row}, {at.col, at.row - 1}, {at.col, at.row + 1}};
        for (const CellPos n : neighbours) {
            if (!TileGrid::inField(n.col) || !TileGrid::inField(n.row) || seen[n.col][n.row])
                continue;
            if (grid.cellColour(n.col, n.row) != colour)
                continue;
            seen[n.col][n.row] = true;
            group.push_back(n);
            self(self, n);
        }
    };
    visit(visit, CellPos{col, row});
    return group;
}

PlayResult playCell(TileGrid &grid, int col, int row)
{
    PlayResult result;
    if (!TileGrid::inField(col) || !TileGrid::inField(row))
        return result;

    switch (grid.cellKind(col, row)) {
    case TileKind::Normal: {
        const std::vector<CellPos> group = collectGroup(grid, col, row);
        if (group.size() < 3) {
            result.beep = true;
            return result;
        }
        for (const CellPos &pos : group)
            wipeCell(grid, pos.col, pos.row, result);
        result.basis = static_cast<int>(group.size());
        break;
    }
    case TileKind::Bomb:
        explodeBomb(grid, col, row, result);
        result.basis = static_cast<int>(result.wiped.size());
        break;
    case TileKind::Lightning:
        strikeRow(grid, row, result);
        result.basis = static_cast<int>(result.wiped.size());
        break;
    case TileKind::TwoColour:
        recolourTiles(grid);
        result.basis = 10;
        break;
    case TileKind::Black:
        result.beep = true;
        return result;
    default:
        return result;
    }

    // Only a click that removed tiles earns the bonus for an empty field: a
    // click on the empty well after it was cleared is worth nothing.
    if (!result.wiped.empty() && grid.isFieldEmpty())
        result.basis = fieldClearedBasis;
    else if (result.basis > 0)
        compactField(grid);
    return result;
}

bool dropTiles(TileGrid &grid)
{
    for (int c = 1; c <= N; ++c) {
        for (int r = N; r >= 2; --r) {
            if (grid.isEmptyCell(c, r) && !grid.isEmptyCell(c, r - 1)) {
                for (int k = r; k >= 1; --k)
                    grid.setCellValue(c, k, grid.cell(c, k - 1));
                return true;
            }
        }
    }
    return false;
}

bool closeLeftColumns(TileGrid &grid)
{
    constexpr int half = N / 2;
    for (int a = half; a >= 2; --a) {
        if (columnHasTiles(grid, a - 1) && grid.isColumnEmpty(a)) {
            for (int c = a; c >= 1; --c)
                copyColumn(grid, c - 1, c);
            return true;
        }
    }
    return false;
}

bool closeRightColumns(TileGrid &grid)
{
    constexpr int half = N / 2;
    for (int i = half + 1; i <= N; ++i) {
        if (grid.isColumnEmpty(i) && columnHasTiles(grid, i + 1)) {
            for (int c = i; c <= N; ++c)
                copyColumn(grid, c + 1, c);
            return true;
        }
    }
    return false;
}

void compactField(TileGrid &grid)
{
    while (dropTiles(grid) || closeLeftColumns(grid) || closeRightColumns(grid)) {
    }
}

bool riseField(TileGrid &grid)
{
    if (!grid.isRowEmpty(1))
        return false;
    for (int r = 1; r < N; ++r) {
        for (int c = 1; c <= N; ++c)
            grid.setCellValue(c, r, grid.cell(c, r + 1));
    }
    for (int c = 1; c <= N; ++c)
        grid.setCellValue(c, N, grid.previewCell(c));
    grid.resetPreview();
    return true;
}

bool nextEmptyCell(const TileGrid &grid, CellPos &pos)
{
    for (int r = 1; r <= N; ++r) {
        for (int c = 1; c <= N; ++c) {
            if (grid.isEmptyCell(c, r)) {
                pos = {c, r};
                return true;
            }
        }
    }
    return false;
}

void demoStep(TileGrid &grid, RandomSource &random)
{
    for (int c = 1; c <= N; ++c) {
        for (int r = N; r >= 2; --r) {
            if (grid.isEmptyCell(c, r) && !grid.isEmptyCell(c, r - 1)) {
                grid.setCellValue(c, r, grid.cell(c, r - 1));
                grid.setCellValue(c, r - 1, 0);
            }
        }
    }
    if (!grid.isRowEmpty(1))
        grid.clearGrid();
    constexpr int demoLevel = 99;
    const int colour = randomColour(demoLevel, random);
    const int col = 1 + random.below(N);
    grid.setCell(col, 1, TileKind::Normal, colour);
}

} // namespace game
