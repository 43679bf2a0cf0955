#pragma once

#include "tilegrid.h"

namespace game {

class RandomSource;

// The colour and kind draws. Each draws from the source once: the kind as a
// number 0-99, the colour as one of the level's colours.

// The colours a level plays with, lowest and highest. Level 0 and every level
// from 25 on (the demonstration passes 99) use all five.
struct ColourRange
{
    int low;
    int high;
};
[[nodiscard]] ColourRange coloursOfLevel(int level);

[[nodiscard]] int randomColour(int level, RandomSource &random);

// r = 10, 20 or 50 a bomb; r = 30 lightning from level 5; r = 40 a two-colour
// tile from level 15; r = 80 or 90 a black tile from level 12; else normal.
[[nodiscard]] TileKind kindOfDraw(int r, int level);
[[nodiscard]] TileKind randomKind(int level, RandomSource &random);

} // namespace game
