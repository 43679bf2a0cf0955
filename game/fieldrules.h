#pragma once

#include "tilegrid.h"

#include <vector>

namespace game {

class RandomSource;

struct CellPos
{
    int col = 0;
    int row = 0;
    friend bool operator==(const CellPos &, const CellPos &) = default;
};

// What one click on the field did.
struct PlayResult
{
    // The basis of the points: the number of cells removed, 10 for the
    // two-colour tile, 5000 when the click emptied the field, 0 for nothing.
    int basis = 0;
    // The click was refused with a beep (a black tile, a group under 3).
    bool beep = false;
    // The cells removed, in the order they went, before the field closed up.
    std::vector<CellPos> wiped;
};

// The basis a click that empties the field is worth.
constexpr int fieldClearedBasis = 5000;

// Plays the cell at (col, row) by its kind and, when something was removed,
// closes up the field. Positions outside the field do nothing.
PlayResult playCell(TileGrid &grid, int col, int row);

// The 4-connected cells of the start cell's colour, by colour whatever their
// kind, start cell first (depth first; neighbours left, right, up, down).
// A cell without a colour forms no group: the result is just the start.
[[nodiscard]] std::vector<CellPos> collectGroup(const TileGrid &grid, int col, int row);

// The single moves compactField is made of; each makes at most one shift and
// tells whether it made one.
// Gravity: the first column (from the left) where, looking up from row 12, a
// tile lies on an empty cell drops everything above that cell by one row.
bool dropTiles(TileGrid &grid);
// Left half: for a = 6 down to 2, the first empty column a with tiles in
// column a - 1 pulls columns 1..a-1 one to the right.
bool closeLeftColumns(TileGrid &grid);
// Right half: for i = 7 to 12, the first empty column i with tiles in column
// i + 1 pulls columns i+1..12 one to the left.
bool closeRightColumns(TileGrid &grid);
// Repeats the three above, always from gravity, until nothing moves: tiles
// fall, and empty columns close towards the middle from both sides.
void compactField(TileGrid &grid);

// Moves rows 2-12 one up and the preview row into row 12, then empties the
// preview. Refused (false, nothing changed) when row 1 holds a tile.
bool riseField(TileGrid &grid);

// The next empty cell for the level-end count (row by row from the top, each
// row from the left), or nothing when the field is full.
[[nodiscard]] bool nextEmptyCell(const TileGrid &grid, CellPos &pos);

// One step of the demonstration: every stack above a gap falls one row, a
// full column clears the well, and a new tile of any colour enters row 1 of
// a random column (colour drawn first, then the column).
void demoStep(TileGrid &grid, RandomSource &random);

} // namespace game
