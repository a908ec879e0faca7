// The volume: a cell for each place of the grid's shape, 0 empty and 1 occupied, in one
// block. The volume file is this block's bytes laid end to end.
#pragma once

#include "grid_shape.h"

#include "platform/windows_types.h"

#include <array>
#include <cstddef>

struct VoxelGrid : GridShape {
    BYTE& operator[](std::size_t index) { return cells[index]; }
    BYTE operator[](std::size_t index) const { return cells[index]; }
    void Clear() { cells.fill(0); }

    std::array<BYTE, kCells> cells;
};

// The decoding rule of a volume file: any nonzero byte is an occupied cell.
constexpr BYTE DecodeVolumeByte(BYTE fileByte)
{
    return fileByte != 0 ? 1 : 0;
}
