#include "tilegrid.h"

#include <algorithm>

namespace game {

int TileGrid::cell(int col, int row) const
{
    if (col < 0 || col >= side || row < 0 || row >= side)
        return 0;
    return m_cells[col][row];
}

void TileGrid::setCell(int col, int row, TileKind kind, int colour)
{
    setCellValue(col, row, encode(kind, colour));
}

void TileGrid::setCellValue(int col, int row, int value)
{
    if (inField(col) && inField(row))
        m_cells[col][row] = value;
}

bool TileGrid::isColumnEmpty(int col) const
{
    for (int row = 1; row <= fieldSize; ++row) {
        if (!isEmptyCell(col, row))
            return false;
    }
    return true;
}

bool TileGrid::isRowEmpty(int row) const
{
    for (int col = 1; col <= fieldSize; ++col) {
        if (!isEmptyCell(col, row))
            return false;
    }
    return true;
}

bool TileGrid::isFieldEmpty() const
{
    return emptyCellCount() == fieldSize * fieldSize;
}

int TileGrid::emptyCellCount() const
{
    int count = 0;
    for (int col = 1; col <= fieldSize; ++col)
        count += static_cast<int>(
            std::count(m_cells[col].begin() + 1, m_cells[col].begin() + 1 + fieldSize, 0));
    return count;
}

int TileGrid::previewCell(int slot) const
{
    return inField(slot) ? m_preview[slot] : 0;
}

void TileGrid::setPreviewCell(int slot, TileKind kind, int colour)
{
    if (inField(slot))
        m_preview[slot] = encode(kind, colour);
}

void TileGrid::clearPreviewCell(int slot)
{
    if (inField(slot))
        m_preview[slot] = 0;
}

} // namespace game
