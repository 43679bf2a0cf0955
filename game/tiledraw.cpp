#include "tiledraw.h"

#include "randomsource.h"

namespace game {

ColourRange coloursOfLevel(int level)
{
    switch (level) {
    case 1:
    case 5:
        return {1, 2};
    case 2:
    case 6:
        return {2, 3};
    case 3:
    case 7:
        return {3, 4};
    case 4:
    case 8:
        return {4, 5};
    case 9:
    case 12:
    case 15:
    case 16:
        return {1, 3};
    case 10:
    case 13:
        return {2, 4};
    case 11:
    case 14:
        return {3, 5};
    default:
        break;
    }
    if (level >= 17 && level <= 24)
        return {1, 4};
    return {1, 5};
}

int randomColour(int level, RandomSource &random)
{
    const ColourRange range = coloursOfLevel(level);
    return range.low + random.below(range.high - range.low + 1);
}

TileKind kindOfDraw(int r, int level)
{
    switch (r) {
    case 10:
    case 20:
    case 50:
        return TileKind::Bomb;
    case 30:
        return level > 4 ? TileKind::Lightning : TileKind::Normal;
    case 40:
        return level > 14 ? TileKind::TwoColour : TileKind::Normal;
    case 80:
    case 90:
        return level > 11 ? TileKind::Black : TileKind::Normal;
    default:
        return TileKind::Normal;
    }
}

TileKind randomKind(int level, RandomSource &random)
{
    return kindOfDraw(random.below(100), level);
}

} // namespace game
