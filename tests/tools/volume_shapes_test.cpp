#include "volumes/volume_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

std::size_t Occupied(const std::vector<unsigned char>& bytes)
{
    return std::size_t(std::count(bytes.begin(), bytes.end(), 1));
}

// Byte at a cell given relative to the centre: x along columns, y up, z along rows.
unsigned char At(const std::vector<unsigned char>& bytes, int x, int y, int z)
{
    return bytes[GridShape::Index(GridShape::kCentreLayer - y, GridShape::kAxisRow + z,
                                  GridShape::kAxisColumn + x)];
}

// Every shape is a whole grid of zeros and ones.
void ExpectAGrid(const std::vector<unsigned char>& bytes)
{
    EXPECT_EQ(bytes.size(), GridShape::kCells);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](unsigned char b) { return b <= 1; }));
}

// The cell sits at the middle layer and the column in every layer, both on the axis.
TEST(VolumeShapes, PlainShapesFillJustTheirCells)
{
    const struct {
        const char* name;
        std::function<std::vector<unsigned char>()> make;
        std::size_t occupied;
        int lowestOnAxis, highestOnAxis;  // y of the cells on the axis that must be set
    } shapes[] = {
        {"cell", volumes::SingleCellOnAxis, 1, 0, 0},
        {"column", volumes::AxisColumn, GridShape::kLayers, -31, 32},
        {"block", volumes::FullBlock, GridShape::kCells, -31, 32},
        {"empty", volumes::Empty, 0, 1, 0},  // none
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.name);
        const auto bytes = shape.make();
        ExpectAGrid(bytes);
        EXPECT_EQ(Occupied(bytes), shape.occupied);
        for (int y = shape.lowestOnAxis; y <= shape.highestOnAxis; ++y)
            EXPECT_EQ(At(bytes, 0, y, 0), 1) << "y " << y;
    }
}

// The viewer spins volumes about the vertical axis; these must look the same from every
// side and be mirror images top to bottom, or they wobble.
TEST(VolumeShapes, SolidsHaveTheirGeometricVolumeAndAreSymmetricAboutTheRotationAxis)
{
    const struct {
        const char* name;
        std::function<std::vector<unsigned char>()> make;
        double expected_volume;
    } solids[] = {
        {"sphere", volumes::Sphere, 4.0 / 3.0 * M_PI * std::pow(30.0, 3)},
        {"shell", volumes::HollowShell, 4.0 / 3.0 * M_PI * (std::pow(30.0, 3) - std::pow(28.0, 3))},
        {"torus", volumes::Torus, 2.0 * M_PI * M_PI * 40.0 * 12.0 * 12.0},
    };
    for (const auto& solid : solids) {
        SCOPED_TRACE(solid.name);
        const auto bytes = solid.make();
        ExpectAGrid(bytes);
        EXPECT_NEAR(double(Occupied(bytes)), solid.expected_volume, 0.04 * solid.expected_volume);
        std::size_t mismatches = 0;
        for (int y = -31; y <= 31; ++y)
            for (int z = -63; z <= 63; ++z)
                for (int x = -63; x <= 63; ++x) {
                    const unsigned char cell = At(bytes, x, y, z);
                    mismatches += cell != At(bytes, z, y, -x);  // quarter turn
                    mismatches += cell != At(bytes, x, -y, z);  // upside down
                }
        EXPECT_EQ(mismatches, 0u);
    }
}

TEST(VolumeNoise, OccupiedFractionFollowsDensityInEveryLayer)
{
    for (const double density : {0.0, 0.1, 0.5, 1.0}) {
        SCOPED_TRACE(density);
        const auto bytes = volumes::Noise(density, 42);
        ExpectAGrid(bytes);
        EXPECT_NEAR(double(Occupied(bytes)) / double(GridShape::kCells), density, 0.005);
        // A weak generator shows up as layers far off the average.
        for (int layer = 0; layer < GridShape::kLayers; ++layer) {
            const auto begin = bytes.begin() + std::ptrdiff_t(layer * GridShape::kLayerStride);
            const auto ones = std::count(begin, begin + std::ptrdiff_t(GridShape::kLayerStride), 1);
            ASSERT_NEAR(double(ones) / GridShape::kLayerStride, density, 0.02) << "layer " << layer;
        }
    }
}

// Sample files made from a seed must not change between builds, so the first cells of
// one are pinned; another seed gives other bytes.
TEST(VolumeNoise, SeedDecidesTheBytes)
{
    const auto bytes = volumes::Noise(0.5, 1);
    const std::vector<unsigned char> first(bytes.begin(), bytes.begin() + 16);
    EXPECT_EQ(first, (std::vector<unsigned char>{0, 0, 0, 1, 1, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 1}));
    EXPECT_FALSE(volumes::Noise(0.5, 7) == volumes::Noise(0.5, 8));
    EXPECT_FALSE(volumes::Noise(0.5, 0) == volumes::Noise(0.5, 1));
}

}  // namespace
