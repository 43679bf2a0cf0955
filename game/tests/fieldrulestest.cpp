#include "testgrids.h"

#include "game/fieldrules.h"
#include "game/tiledraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace game;
using namespace game::test;

namespace {

using Rows = std::vector<std::string>;

// --- groups -----------------------------------------------------------------

TEST(PlayCell, GroupOfTwoBeepsAndStays)
{
    TileGrid grid = gridFrom({"rr.........."});
    const PlayResult result = playCell(grid, 1, 12);
    EXPECT_TRUE(result.beep);
    EXPECT_EQ(result.basis, 0);
    EXPECT_EQ(picture(grid, 1), Rows{"rr.........."});
}

TEST(PlayCell, GroupCountsEveryTouchingTileOfTheColour)
{
    struct Case
    {
        Rows field;
        int col, row;
        int basis;
        Rows after;
    };
    const Case cases[] = {
        // Three in a row; the green tile falls into place.
        {{"g...........", "rrr........."}, 2, 12, 3, {"............", ".....g......"}},
        // An L of four reached through up and down; diagonals do not count.
        {{".r..........", "rg..........", "rrr.r......."},
         1,
         11,
         4,
         {"............", "....r.......", "....gr......"}},
    };
    for (const Case &c : cases) {
        TileGrid grid = gridFrom(c.field);
        const PlayResult result = playCell(grid, c.col, c.row);
        EXPECT_FALSE(result.beep);
        EXPECT_EQ(result.basis, c.basis);
        EXPECT_EQ(result.wiped.size(), static_cast<std::size_t>(c.basis));
        EXPECT_EQ(picture(grid, static_cast<int>(c.after.size())), c.after);
    }
}

TEST(PlayCell, StartTilesOfAnyKindGoWithAGroupOfTheirColour)
{
    TileGrid grid = gridFrom({"rr.r.......g", "gggr......gg"});
    grid.setCell(3, 11, TileKind::Black, Red); // start tiles carry a colour
    const PlayResult result = playCell(grid, 1, 11);
    EXPECT_EQ(result.basis, 5);
    EXPECT_NE(std::find(result.wiped.begin(), result.wiped.end(), CellPos{3, 11}),
              result.wiped.end());
}

TEST(CollectGroup, DepthFirstLeftRightUpDown)
{
    const TileGrid grid = gridFrom({".r..........", "rrr........."});
    const std::vector<CellPos> group = collectGroup(grid, 2, 12);
    const std::vector<CellPos> expected = {{2, 12}, {1, 12}, {3, 12}, {2, 11}};
    EXPECT_EQ(group, expected);
    EXPECT_EQ(collectGroup(gridFrom({"B..........."}), 1, 12).size(), 1u)
        << "a tile without colour forms no group";
}

// --- special tiles ------------------------------------------------------------

TEST(PlayCell, CornerBombRemovesAtMostFourCellsBlackTilesIncluded)
{
    TileGrid grid = gridFrom({"KKK.........", "KKK.........", "BKK........."});
    const PlayResult result = playCell(grid, 1, 12);
    EXPECT_EQ(result.basis, 4);
    EXPECT_EQ(picture(grid, 3), (Rows{".....K......", ".....K......", "...KKK......"}))
        << "what is left falls and closes up towards the middle";
}

TEST(PlayCell, BombInTheMiddleTakesItsWholeBlock)
{
    TileGrid grid = gridFrom({"rgbr........", "gBKy........", "ymrg........"});
    const PlayResult result = playCell(grid, 2, 11);
    EXPECT_EQ(result.basis, 9);
    EXPECT_EQ(picture(grid, 3), (Rows{".....r......", ".....y......", ".....g......"}));
}

TEST(PlayCell, LightningClearsTheRowBlackTilesIncluded)
{
    TileGrid grid = gridFrom({"rrrrrrrrrrrr", "KgLgK.gggKgg", "bbbbbbbbbbbb"});
    const PlayResult result = playCell(grid, 3, 11);
    EXPECT_EQ(result.basis, 11);
    EXPECT_EQ(picture(grid, 3), (Rows{"............", "rrrrrrrrrrrr", "bbbbbbbbbbbb"}));
}

TEST(PlayCell, TwoColourTileMakesACheckerboardAndKeepsTheSpecials)
{
    TileGrid grid = gridFrom({"bbbbbbbbbbbb", "bBLKTbbbbbbb"});
    const PlayResult result = playCell(grid, 5, 12);
    EXPECT_EQ(result.basis, 10);
    EXPECT_TRUE(result.wiped.empty());
    // Red where row + column is even, green where it is odd.
    EXPECT_EQ(picture(grid, 2), (Rows{"rgrgrgrgrgrg", "gBLKgrgrgrgr"}));
}

TEST(PlayCell, BlackTileBeepsAndNothingElseDoes)
{
    TileGrid grid = gridFrom({"K.F........."});
    const TileGrid before = grid;
    EXPECT_TRUE(playCell(grid, 1, 12).beep);
    EXPECT_FALSE(playCell(grid, 2, 12).beep) << "empty cell";
    EXPECT_FALSE(playCell(grid, 3, 12).beep) << "filler";
    EXPECT_EQ(playCell(grid, 0, 12).basis, 0) << "border";
    EXPECT_EQ(playCell(grid, 13, 12).basis, 0);
    EXPECT_EQ(playCell(grid, 99, -4).basis, 0);
    EXPECT_EQ(grid, before);
}

TEST(PlayCell, ClearingTheLastTilesIsWorthTheBonus)
{
    TileGrid grid = gridFrom({"...rrr......"});
    const PlayResult result = playCell(grid, 4, 12);
    EXPECT_EQ(result.basis, fieldClearedBasis);
    EXPECT_EQ(result.wiped.size(), 3u);
    EXPECT_TRUE(grid.isFieldEmpty());
}

TEST(PlayCell, ClickOnTheEmptiedWellEarnsNoBonus)
{
    TileGrid grid;
    EXPECT_EQ(playCell(grid, 6, 6).basis, 0);
}

// --- closing up -----------------------------------------------------------------

TEST(CompactField, GravityDropsEachStackOntoWhatLiesBelow)
{
    TileGrid grid =
        gridFrom({"r....g.....b", ".....g......", "g....g.....y", "....rr......", ".....r......"});
    compactField(grid);
    EXPECT_EQ(picture(grid, 5), (Rows{".....g......", ".....g......", ".....g......",
                                      "...r.rb.....", "...grry....."}));
}

TEST(CompactField, DropTilesMovesOnlyTheFirstStackByOneRow)
{
    TileGrid grid = gridFrom({"r....g......", "......g.....", "......g....."});
    EXPECT_TRUE(dropTiles(grid));
    EXPECT_EQ(picture(grid, 3), (Rows{".....g......", "r.....g.....", "......g....."}));
    TileGrid settled = gridFrom({"r....g......"});
    EXPECT_FALSE(dropTiles(settled));
}

TEST(CompactField, LeftHalfClosesTowardsTheMiddle)
{
    TileGrid grid = gridFrom({"r.g.........", "rbg........."});
    EXPECT_TRUE(closeLeftColumns(grid));
    EXPECT_EQ(picture(grid, 2), (Rows{".r.g........", ".rbg........"}))
        << "first pair from the middle: columns 3/4, so columns 1-3 shift right";
    compactField(grid);
    EXPECT_EQ(picture(grid, 2), (Rows{"...r.g......", "...rbg......"}));
    TileGrid full = gridFrom({"rgbrgb......"});
    EXPECT_FALSE(closeLeftColumns(full));
}

TEST(CompactField, RightHalfClosesTowardsTheMiddle)
{
    TileGrid grid = gridFrom({"........r..y", "......bbr..y"});
    EXPECT_TRUE(closeRightColumns(grid));
    EXPECT_EQ(picture(grid, 2), (Rows{"........r.y.", "......bbr.y."}))
        << "first empty column from the middle with tiles beside it: 11";
    compactField(grid);
    EXPECT_EQ(picture(grid, 2), (Rows{"........ry..", "......bbry.."}));
}

TEST(CompactField, EmptyColumnsInBothHalvesCloseAndTilesFall)
{
    TileGrid grid = gridFrom({"r..........y", "r.g......b.y"});
    compactField(grid);
    EXPECT_EQ(picture(grid, 2), (Rows{"....r..y....", "....rgby...."}));
}

// --- rising -------------------------------------------------------------------------

TEST(RiseField, PreviewRowEntersAtTheBottom)
{
    TileGrid grid = gridFrom({"rrrrrrrrrrrr"});
    for (int slot = 1; slot <= 12; ++slot)
        grid.setPreviewCell(slot, slot == 3 ? TileKind::Bomb : TileKind::Normal,
                            slot == 3 ? NoColour : Blue);
    ASSERT_TRUE(riseField(grid));
    EXPECT_EQ(picture(grid, 2), (Rows{"rrrrrrrrrrrr", "bbBbbbbbbbbb"}));
    EXPECT_EQ(grid.previewCell(1), 0);
}

TEST(RiseField, RefusedWhenTheTopRowHoldsATile)
{
    TileGrid grid;
    grid.setCell(7, 1, TileKind::Normal, Red);
    grid.setPreviewCell(1, TileKind::Normal, Red);
    const TileGrid before = grid;
    EXPECT_FALSE(riseField(grid));
    EXPECT_EQ(grid, before);
}

// --- draws -----------------------------------------------------------------------------

TEST(Draws, KindsAppearFromTheirLevels)
{
    EXPECT_EQ(kindOfDraw(10, 1), TileKind::Bomb);
    EXPECT_EQ(kindOfDraw(20, 1), TileKind::Bomb);
    EXPECT_EQ(kindOfDraw(50, 1), TileKind::Bomb);
    EXPECT_EQ(kindOfDraw(30, 4), TileKind::Normal);
    EXPECT_EQ(kindOfDraw(30, 5), TileKind::Lightning);
    EXPECT_EQ(kindOfDraw(40, 14), TileKind::Normal);
    EXPECT_EQ(kindOfDraw(40, 15), TileKind::TwoColour);
    EXPECT_EQ(kindOfDraw(80, 11), TileKind::Normal);
    EXPECT_EQ(kindOfDraw(90, 12), TileKind::Black);
    EXPECT_EQ(kindOfDraw(99, 32), TileKind::Normal);
}

TEST(Draws, ColourRangesByLevel)
{
    struct Case
    {
        int level, low, high;
    };
    const Case cases[] = {{0, 1, 5},  {1, 1, 2},  {5, 1, 2},  {6, 2, 3},  {8, 4, 5},
                          {9, 1, 3},  {13, 2, 4}, {14, 3, 5}, {16, 1, 3}, {17, 1, 4},
                          {24, 1, 4}, {25, 1, 5}, {32, 1, 5}, {99, 1, 5}};
    for (const Case &c : cases) {
        EXPECT_EQ(coloursOfLevel(c.level).low, c.low) << c.level;
        EXPECT_EQ(coloursOfLevel(c.level).high, c.high) << c.level;
    }
    ScriptedRandom random;
    random.push({0, 1, 2});
    EXPECT_EQ(randomColour(14, random), 3);
    EXPECT_EQ(randomColour(14, random), 4);
    EXPECT_EQ(randomColour(14, random), 5);
}

TEST(Draws, OneGeneratorGivesVariedTiles)
{
    // Drawn in quick succession, the tiles of a start row still differ.
    SeededRandom random;
    std::array<int, 6> seen{};
    for (int i = 0; i < 60; ++i)
        ++seen[static_cast<std::size_t>(randomColour(0, random))];
    for (int colour = 1; colour <= 5; ++colour)
        EXPECT_GT(seen[static_cast<std::size_t>(colour)], 0) << colour;
}

// --- demonstration -------------------------------------------------------------------

TEST(Demo, StacksFallOneRowAndANewTileEntersTheTop)
{
    TileGrid grid = gridFrom({"r...........", "g...........", "............", "b..........."});
    ScriptedRandom random;
    random.push({2, 5}); // colour 3 (blue), column 6
    demoStep(grid, random);
    EXPECT_EQ(picture(grid, 4),
              (Rows{"............", "r...........", "g...........", "b..........."}));
    EXPECT_EQ(grid.cellKind(6, 1), TileKind::Normal);
    EXPECT_EQ(grid.cellColour(6, 1), Blue);
}

TEST(Demo, AFullColumnEmptiesTheWell)
{
    TileGrid grid;
    for (int row = 1; row <= 12; ++row)
        grid.setCell(4, row, TileKind::Normal, Red);
    grid.setCell(9, 12, TileKind::Normal, Green);
    ScriptedRandom random;
    random.push({0, 0});
    demoStep(grid, random);
    EXPECT_EQ(grid.emptyCellCount(), 143);
    EXPECT_EQ(grid.cellColour(1, 1), Red);
}

} // namespace
