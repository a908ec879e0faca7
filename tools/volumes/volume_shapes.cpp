#include "volumes/volume_shapes.h"

#include <cmath>

namespace volumes {
namespace {

// Calls inside(x, y, z) for every cell, with coordinates relative to the centre cell:
// x along columns, y upwards (layer 0 is the top), z along rows.
template <typename Inside>
std::vector<unsigned char> Rasterize(Inside inside)
{
    std::vector<unsigned char> bytes(GridShape::kCells, 0);
    for (int layer = 0; layer < GridShape::kLayers; ++layer) {
        for (int row = 0; row < GridShape::kRows; ++row) {
            for (int column = 0; column < GridShape::kColumns; ++column) {
                const int x = column - GridShape::kAxisColumn;
                const int y = GridShape::kCentreLayer - layer;
                const int z = row - GridShape::kAxisRow;
                bytes[GridShape::Index(layer, row, column)] = inside(x, y, z) ? 1 : 0;
            }
        }
    }
    return bytes;
}

}  // namespace

std::vector<unsigned char> Sphere()
{
    return Rasterize(
        [](int x, int y, int z) { return x * x + y * y + z * z <= kSphereRadius * kSphereRadius; });
}

std::vector<unsigned char> HollowShell()
{
    constexpr int kInner = kSphereRadius - kShellThickness;
    return Rasterize([](int x, int y, int z) {
        const int squared = x * x + y * y + z * z;
        return squared > kInner * kInner && squared <= kSphereRadius * kSphereRadius;
    });
}

std::vector<unsigned char> Torus()
{
    return Rasterize([](int x, int y, int z) {
        const double from_ring = std::sqrt(double(x * x + z * z)) - kTorusMajorRadius;
        return from_ring * from_ring + y * y <= double(kTorusMinorRadius * kTorusMinorRadius);
    });
}

std::vector<unsigned char> FullBlock()
{
    return std::vector<unsigned char>(GridShape::kCells, 1);
}

std::vector<unsigned char> Empty()
{
    return std::vector<unsigned char>(GridShape::kCells, 0);
}

std::vector<unsigned char> SingleCellOnAxis()
{
    std::vector<unsigned char> bytes = Empty();
    bytes[GridShape::AxisCell()] = 1;
    return bytes;
}

std::vector<unsigned char> AxisColumn()
{
    return Rasterize([](int x, int, int z) { return x == 0 && z == 0; });
}

std::optional<std::vector<unsigned char>> ShapeByName(const std::string& name, double density, unsigned seed)
{
    if (name == "sphere")
        return Sphere();
    if (name == "shell")
        return HollowShell();
    if (name == "torus")
        return Torus();
    if (name == "block")
        return FullBlock();
    if (name == "empty")
        return Empty();
    if (name == "cell")
        return SingleCellOnAxis();
    if (name == "column")
        return AxisColumn();
    if (name == "noise")
        return Noise(density, seed);
    return std::nullopt;
}

}  // namespace volumes
