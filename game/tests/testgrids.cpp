#include "testgrids.h"

#include <gtest/gtest.h>

namespace game::test {

namespace {

constexpr int N = TileGrid::fieldSize;
const std::string colourLetters = ".rgbym";
const std::string kindLetters = ".?BFLTK"; // by kind number; '?' normal

int cellOf(char ch)
{
    if (ch == '.')
        return 0;
    const auto colour = colourLetters.find(ch);
    if (colour != std::string::npos)
        return TileGrid::encode(TileKind::Normal, static_cast<int>(colour));
    const auto kind = kindLetters.find(ch);
    if (kind == std::string::npos || ch == '?') {
        ADD_FAILURE() << "no such tile letter: " << ch;
        return 0;
    }
    return TileGrid::encode(static_cast<TileKind>(kind), NoColour);
}

char letterOf(int cell)
{
    const TileKind kind = TileGrid::kindOf(cell);
    const int colour = TileGrid::colourOf(cell);
    if (kind == TileKind::Empty)
        return '.';
    if (kind == TileKind::Normal)
        return colour >= 1 && colour <= 5 ? colourLetters[static_cast<std::size_t>(colour)] : '!';
    return colour == NoColour ? kindLetters[static_cast<std::size_t>(kind)] : '?';
}

} // namespace

int ScriptedRandom::below(int bound)
{
    ++draws;
    int value = fallback;
    if (!script.empty()) {
        value = script.front();
        script.pop_front();
    }
    EXPECT_GE(value, 0);
    EXPECT_LT(value, bound) << "scripted draw out of range";
    return value % bound;
}

TileGrid gridFrom(const std::vector<std::string> &bottomRows)
{
    TileGrid grid;
    const int firstRow = N - static_cast<int>(bottomRows.size()) + 1;
    for (std::size_t i = 0; i < bottomRows.size(); ++i) {
        const std::string &line = bottomRows[i];
        EXPECT_EQ(line.size(), static_cast<std::size_t>(N)) << line;
        for (std::size_t c = 0; c < line.size() && c < N; ++c)
            grid.setCellValue(static_cast<int>(c) + 1, firstRow + static_cast<int>(i),
                              cellOf(line[c]));
    }
    return grid;
}

std::vector<std::string> picture(const TileGrid &grid, int rows)
{
    std::vector<std::string> lines;
    for (int row = N - rows + 1; row <= N; ++row) {
        std::string line;
        for (int col = 1; col <= N; ++col)
            line += letterOf(grid.cell(col, row));
        lines.push_back(line);
    }
    return lines;
}

void scriptTile(ScriptedRandom &random, char tile, int lowestColour)
{
    int kindDraw = 0;
    int colour = lowestColour;
    switch (tile) {
    case 'B':
        kindDraw = 10;
        break;
    case 'L':
        kindDraw = 30;
        break;
    case 'T':
        kindDraw = 40;
        break;
    case 'K':
        kindDraw = 80;
        break;
    default:
        colour = static_cast<int>(colourLetters.find(tile));
        break;
    }
    random.push({kindDraw, colour - lowestColour});
}

} // namespace game::test
