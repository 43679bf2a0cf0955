#pragma once

#include <array>

namespace game {

// What a cell holds. The numbers are stored in the cells and must not change.
enum class TileKind
{
    Empty = 0,
    Normal = 1,
    Bomb = 2,
    Filler = 3, // grey filler, only used by the level-end count
    Lightning = 4,
    TwoColour = 5,
    Black = 6
};

// The five tile colours; 0 means "no colour" (empty cells and the special
// tiles made for the preview row).
enum TileColour : int
{
    NoColour = 0,
    Red = 1,
    Green = 2,
    Blue = 3,
    Yellow = 4,
    Magenta = 5
};

// The well: 14x14 cells, of which columns and rows 1-12 are the field (row 1
// at the top, column 1 at the left). Rows and columns 0 and 13 are a border
// that always holds 0, so that shifts and neighbour look-ups may read it.
// A cell holds kind + colour * 255.
//
// Beside the well lies the preview row: slots 1-12 in the same encoding,
// built up one tile per clock tick and pushed into row 12 when the field rises.
class TileGrid
{
public:
    static constexpr int fieldSize = 12;
    static constexpr int cellSizePx = 24;

    [[nodiscard]] static constexpr int encode(TileKind kind, int colour)
    {
        return static_cast<int>(kind) + colour * 255;
    }
    [[nodiscard]] static constexpr TileKind kindOf(int cell)
    {
        return static_cast<TileKind>(cell % 255);
    }
    [[nodiscard]] static constexpr int colourOf(int cell) { return (cell / 255) % 255; }
    // True for 1..12, the playable columns and rows.
    [[nodiscard]] static constexpr bool inField(int index)
    {
        return index >= 1 && index <= fieldSize;
    }

    // Every cell, border included, to 0; the preview row is left alone.
    void clearGrid() { m_cells = {}; }

    // Out-of-range positions read as the border: an empty cell.
    [[nodiscard]] int cell(int col, int row) const;
    [[nodiscard]] TileKind cellKind(int col, int row) const { return kindOf(cell(col, row)); }
    [[nodiscard]] int cellColour(int col, int row) const { return colourOf(cell(col, row)); }
    [[nodiscard]] bool isEmptyCell(int col, int row) const { return cell(col, row) == 0; }
    // Writes inside the field only; the border stays 0.
    void setCell(int col, int row, TileKind kind, int colour);
    void setCellValue(int col, int row, int value);

    [[nodiscard]] bool isColumnEmpty(int col) const;
    [[nodiscard]] bool isRowEmpty(int row) const;
    [[nodiscard]] bool isFieldEmpty() const;
    [[nodiscard]] int emptyCellCount() const;

    // Preview slots 1-12.
    [[nodiscard]] int previewCell(int slot) const;
    void setPreviewCell(int slot, TileKind kind, int colour);
    void clearPreviewCell(int slot);
    void resetPreview() { m_preview = {}; }

    friend bool operator==(const TileGrid &, const TileGrid &) = default;

private:
    static constexpr int side = fieldSize + 2;
    std::array<std::array<int, side>, side> m_cells{}; // [col][row]
    std::array<int, side> m_preview{};                 // slots 1..12 used
};

} // namespace game
