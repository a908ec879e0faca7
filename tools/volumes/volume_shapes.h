#pragma once

#include "document/grid_shape.h"

#include <optional>
#include <string>
#include <vector>

// Sample volumes for trying out the viewer: raw byte grids of the grid's shape
// (GridShape), one byte per cell (0 empty, 1 occupied). The shapes are centred on the
// viewer's rotation axis and on the middle layer, so they spin in place.
namespace volumes {

inline constexpr int kSphereRadius = 30;
inline constexpr int kShellThickness = 2;
inline constexpr int kTorusMajorRadius = 40;
inline constexpr int kTorusMinorRadius = 12;

std::vector<unsigned char> Sphere();
std::vector<unsigned char> HollowShell();
// Ring lying in the horizontal plane around the rotation axis.
std::vector<unsigned char> Torus();
std::vector<unsigned char> FullBlock();
std::vector<unsigned char> Empty();
std::vector<unsigned char> SingleCellOnAxis();
// One cell in every layer, on the rotation axis: a column as tall as the volume.
std::vector<unsigned char> AxisColumn();
// Every cell occupied with probability `density`; the same seed gives the same bytes on
// every platform and library version.
std::vector<unsigned char> Noise(double density, unsigned seed);

// Names: sphere, shell, torus, block, empty, cell, column, noise. `density` and `seed` are used by
// noise only. Unknown names give nullopt.
std::optional<std::vector<unsigned char>> ShapeByName(const std::string& name, double density, unsigned seed);

// Writes through a temporary file in the same directory and renames it into place, so a
// viewer watching `path` never sees a half-written file. Any size is accepted so that
// deliberately truncated files can be produced too.
bool WriteVolume(const std::string& path, const std::vector<unsigned char>& bytes, std::string* error);

}  // namespace volumes
