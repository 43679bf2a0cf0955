#pragma once

#include "game/randomsource.h"
#include "game/tilegrid.h"

#include <deque>
#include <string>
#include <vector>

namespace game::test {

// Hands out scripted numbers; once the script is used up, every draw gives
// `fallback` (cut to the bound).
class ScriptedRandom : public RandomSource
{
public:
    int below(int bound) override;
    void push(std::initializer_list<int> values) { script.insert(script.end(), values); }

    std::deque<int> script;
    int fallback = 0;
    int draws = 0;
};

// Grids drawn as text, one string per row, 12 characters from column 1:
// '.' empty, r g b y m normal tiles of colours 1-5, B bomb, L lightning,
// T two-colour tile, K black tile, F grey filler (the specials without colour).
// The rows given are the bottom rows of the field: the last one is row 12.
[[nodiscard]] TileGrid gridFrom(const std::vector<std::string> &bottomRows);
// The bottom `rows` rows of the field in the same notation ('?' for a special
// tile that carries a colour).
[[nodiscard]] std::vector<std::string> picture(const TileGrid &grid, int rows = 12);
// The draws that make a start row tile: kind first, then colour (as an offset
// in the level's colour range).
void scriptTile(ScriptedRandom &random, char tile, int lowestColour);

} // namespace game::test
