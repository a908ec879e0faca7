// The volume: 64 layers of 128 rows of 128 columns, one byte a cell, 0 empty and 1
// occupied, in one block. The volume file is this block's bytes laid end to end.
#pragma once

#include "platform/windows_types.h"

#include <array>
#include <cstddef>

struct VoxelGrid {
    static constexpr int kLayers = 64;
    static constexpr int kRows = 128;
    static constexpr int kColumns = 128;
    static constexpr std::size_t kLayerStride = 16384;
    static constexpr std::size_t kRowStride = 128;
    static constexpr std::size_t kCells = 1048576;  // also the size of a volume file

    static constexpr std::size_t Index(int layer, int row, int column)
    {
        return static_cast<std::size_t>(layer) * kLayerStride + static_cast<std::size_t>(row) * kRowStride +
               static_cast<std::size_t>(column);
    }

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
