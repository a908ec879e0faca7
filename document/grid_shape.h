// The volume's shape: 64 layers of 128 rows of 128 columns, one byte a cell, laid out
// layer after layer and, within a layer, row after row. The volume file is these cells'
// bytes end to end. Plain constants, with no platform or framework behind them, for the
// program, the sample-volume tools, the benchmarks and the tests alike.
#pragma once

#include <cstddef>

struct GridShape {
    static constexpr int kLayers = 64;
    static constexpr int kRows = 128;
    static constexpr int kColumns = 128;
    static constexpr std::size_t kRowStride = kColumns;
    static constexpr std::size_t kLayerStride = kRowStride * kRows;
    static constexpr std::size_t kCells = kLayerStride * kLayers;  // also the size of a volume file

    // The picture turns about the vertical axis through this row and column, with the
    // middle layer level with the eye.
    static constexpr int kAxisRow = kRows / 2;
    static constexpr int kAxisColumn = kColumns / 2;
    static constexpr int kCentreLayer = kLayers / 2;

    static constexpr std::size_t Index(int layer, int row, int column)
    {
        return static_cast<std::size_t>(layer) * kLayerStride + static_cast<std::size_t>(row) * kRowStride +
               static_cast<std::size_t>(column);
    }

    // The cell on the axis in the middle layer: it turns in place.
    static constexpr std::size_t AxisCell() { return Index(kCentreLayer, kAxisRow, kAxisColumn); }
};
