// The picture, drawn for real and read back: what is lit, where, and in which colours.
#include "program_session.h"

#include "view/scene_constants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Small scenes: a slab of cells one deep (-1 for every layer, row or column). A whole grid takes seconds a
// frame in an unoptimised build.
void FillSlab(int layer, int row, int column, BYTE value = 1)
{
    View()->m_voxels.Clear();
    for (int l = 0; l < VoxelGrid::kLayers; ++l)
        for (int r = 0; r < VoxelGrid::kRows; ++r)
            for (int c = 0; c < VoxelGrid::kColumns; ++c)
                if ((layer < 0 || l == layer) && (row < 0 || r == row) && (column < 0 || c == column))
                    View()->m_voxels[VoxelGrid::Index(l, r, c)] = value;
}

constexpr int kFront = VoxelGrid::kRows - 1;  // the row nearest the viewer at angle 0

Picture DrawAt(float angle)
{
    TheSceneState().wAngleY = angle;
    View()->DrawScene();
    return ReadPicture();
}

struct Box {
    double left, right, bottom, top;
};

// Where the corners of the whole grid's block land on the screen at the given angle,
// from the projection the view sets: its field of view, the window's aspect, the axis's distance.
Box PredictedBlock(double angleDegrees, int width, int height)
{
    using G = VoxelGrid;
    const double xs[] = {(0 - G::kAxisColumn) * kCellPitch - kCubeHalfEdge,
                         (G::kColumns - 1 - G::kAxisColumn) * kCellPitch + kCubeHalfEdge};
    const double ys[] = {-(G::kLayers - 1 - G::kCentreLayer) * kCellPitch - kCubeHalfEdge,
                         -(0 - G::kCentreLayer) * kCellPitch + kCubeHalfEdge};
    const double zs[] = {(0 - G::kAxisRow) * kCellPitch - kCubeHalfEdge,
                         (G::kRows - 1 - G::kAxisRow) * kCellPitch + kCubeHalfEdge};
    const double f = 1.0 / std::tan(kFieldOfViewDegrees / 2 * M_PI / 180.0);
    const double aspect = static_cast<double>(width) / height;
    const double a = angleDegrees * M_PI / 180.0;
    Box box{1e9, -1e9, 1e9, -1e9};
    for (double x : xs)
        for (double y : ys)
            for (double z : zs) {
                const double xr = x * std::cos(a) + z * std::sin(a);
                const double zr = -x * std::sin(a) + z * std::cos(a) - (kEyeDistance + kAxisBeyondEye);
                const double px = (f / aspect * xr / -zr + 1.0) / 2.0 * width;
                const double py = (f * y / -zr + 1.0) / 2.0 * height;
                box = {std::min(box.left, px), std::max(box.right, px), std::min(box.bottom, py),
                       std::max(box.top, py)};
            }
    return box;
}

Box LitBox(const Picture& picture)
{
    Box box{1e9, -1e9, 1e9, -1e9};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (picture.IsLit(x, y))
                box = {std::min<double>(box.left, x), std::max<double>(box.right, x + 1),
                       std::min<double>(box.bottom, y), std::max<double>(box.top, y + 1)};
    return box;
}

}  // namespace

TEST(Scene, OnlyCellsHoldingExactlyOneAreDrawn)
{
    const std::pair<BYTE, bool> cases[] = {{1, true}, {2, false}, {255, false}, {0, false}};
    for (const auto& [value, drawn] : cases) {
        FillSlab(-1, kFront, -1, value);
        EXPECT_EQ(DrawAt(0.0f).LitCount() > 0, drawn) << "cell value " << int(value);
    }
}

// The front slab and the corners have the whole block's silhouette at every angle.
TEST(Scene, FullGridSilhouetteIsTheProjectedBlock)
{
    FillSlab(-1, kFront, -1);
    for (int l : {0, VoxelGrid::kLayers - 1})
        for (int r : {0, VoxelGrid::kRows - 1})
            for (int c : {0, VoxelGrid::kColumns - 1})
                View()->m_voxels[VoxelGrid::Index(l, r, c)] = 1;
    for (float angle : {0.0f, 30.0f, 75.0f}) {
        const Picture picture = DrawAt(angle);
        const Box want = PredictedBlock(angle, picture.width, picture.height);
        const Box seen = LitBox(picture);
        for (auto side : {&Box::left, &Box::right, &Box::bottom, &Box::top})
            EXPECT_NEAR(seen.*side, want.*side, 1.0) << "angle " << angle;
        if (angle == 0.0f) {
            // Straight on, the block shows as its front face: a filled rectangle.
            const double area = (seen.right - seen.left) * (seen.top - seen.bottom);
            EXPECT_GT(static_cast<double>(picture.LitCount()), 0.99 * area);
        }
    }
}

TEST(Scene, FacesTakeTheirCornersColours)
{
    // Red is full where z = +h, green where x = +h, blue where y = +h.
    const struct {
        const char* what;
        int layer, row, column;
        float angle;
        int channel;
    } cases[] = {
        {"front faces (z = +h)", -1, kFront, -1, 0.0f, 0},
        {"right faces (x = +h), turned to the viewer", -1, -1, VoxelGrid::kColumns - 1, 270.0f, 1},
        {"top faces (y = +h) of the lowest layer", VoxelGrid::kLayers - 1, -1, -1, 0.0f, 2},
    };
    for (const auto& c : cases) {
        FillSlab(c.layer, c.row, c.column);
        const Picture picture = DrawAt(c.angle);
        const std::size_t lit = picture.LitCount(), full = picture.LitCount(c.channel);
        ASSERT_GT(lit, 1000u) << c.what;
        EXPECT_GT(static_cast<double>(full), 0.8 * lit) << c.what;
    }
}

TEST(Scene, AFrameAskedForInsideAFrameDrawsNothing)
{
    FillSlab(-1, kFront, -1);
    const Picture before = DrawAt(10.0f);
    TheSceneState().bBusy = 1;
    View()->m_voxels.Clear();
    View()->DrawScene();
    TheSceneState().bBusy = 0;
    EXPECT_FLOAT_EQ(Angle(), 13.0f);
    EXPECT_EQ(ReadPicture().rgb, before.rgb);
}
