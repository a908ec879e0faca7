#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "art/embedded_art.h"
#include "dib_reader.h"

namespace art_test {
namespace {

constexpr std::size_t kDirectorySize = 6 + 16;
constexpr int kSide = 32;

class IconTest : public ::testing::Test {
protected:
    LittleEndianReader file_{art::Icon()};
    std::size_t imageOffset_ = file_.U32(18);
    std::uint32_t resourceBytes_ = file_.U32(14);
    Dib dib_ = ReadDib(file_, imageOffset_, DibKind::kIconWithMask);
};

TEST_F(IconTest, DirectoryHoldsOneThirtyTwoPixelSixteenColourIcon)
{
    const Field fields[] = {
        {"reserved", 0, 2, 0},       {"type", 2, 2, 1},    {"count", 4, 2, 1},
        {"width", 6, 1, 32},         {"height", 7, 1, 32}, {"colour count", 8, 1, 16},
        {"entry reserved", 9, 1, 0}, {"planes", 10, 2, 1}, {"bits per pixel", 12, 2, 4},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(ReadField(file_, 0, field), field.expected);
    }
}

TEST_F(IconTest, ImageFollowsDirectoryAndEndsTheFile)
{
    EXPECT_EQ(imageOffset_, kDirectorySize);
    EXPECT_EQ(imageOffset_ + resourceBytes_, file_.size());
}

TEST_F(IconTest, DibHeightCountsColourAndMaskRows)
{
    const Field fields[] = {
        {"info header size", 0, 4, 40}, {"width", 4, 4, 32},          {"height", 8, 4, 64},
        {"planes", 12, 2, 1},           {"bits per pixel", 14, 2, 4}, {"compression (BI_RGB)", 16, 4, 0},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(ReadField(file_, imageOffset_, field), field.expected);
    }
}

TEST_F(IconTest, ColourTableIsTheStandardSixteen)
{
    ASSERT_EQ(dib_.paletteEntries, kWindowsColours.size());
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(PaletteEntry(file_, dib_, i), kWindowsColours[i]) << "entry " << i;
    }
}

TEST_F(IconTest, AndMaskFillsTheRestOfTheResource)
{
    EXPECT_EQ(file_.size() - dib_.maskOffset, std::size_t{kSide * 4});
}

TEST_F(IconTest, MaskLeavesEveryPixelOpaque)
{
    for (std::size_t offset = dib_.maskOffset; offset < file_.size(); ++offset) {
        EXPECT_EQ(file_.U8(offset), 0u) << "mask byte " << offset - dib_.maskOffset;
    }
}

TEST_F(IconTest, CubesInSeveralColoursSitOnBlack)
{
    std::set<std::tuple<int, int, int>> colours;
    int blackPixels = 0;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const Colour colour = PixelColour(file_, dib_, x, y);
            if (colour == kBlack) {
                ++blackPixels;
            } else {
                colours.insert({colour.red, colour.green, colour.blue});
            }
        }
    }
    EXPECT_GE(colours.size(), 3u);
    EXPECT_GT(blackPixels, kSide * kSide / 2);
    for (auto [x, y] : {std::pair{0, 0}, {kSide - 1, 0}, {0, kSide - 1}, {kSide - 1, kSide - 1}}) {
        EXPECT_EQ(PixelColour(file_, dib_, x, y), kBlack) << "corner " << x << "," << y;
    }
}

}  // namespace
}  // namespace art_test
