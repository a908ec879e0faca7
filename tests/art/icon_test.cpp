#include <gtest/gtest.h>

#include "art/embedded_art.h"
#include "dib_reader.h"

namespace art_test {
namespace {

constexpr std::size_t kDirectorySize = 6 + 16;

class IconTest : public ::testing::Test {
protected:
    LittleEndianReader file_{art::Icon()};
    std::size_t imageOffset_ = file_.U32(18);
    std::uint32_t resourceBytes_ = file_.U32(14);
    Dib dib_ = ReadDib(file_, imageOffset_, DibKind::kIconWithMask);
};

// The directory lists one 32-pixel, 16-colour image, whose DIB height counts the
// colour and the mask rows.
TEST_F(IconTest, HeadersDescribeOneThirtyTwoPixelSixteenColourIcon)
{
    const Field directory[] = {
        {"reserved", 0, 2, 0},       {"type", 2, 2, 1},    {"count", 4, 2, 1},
        {"width", 6, 1, 32},         {"height", 7, 1, 32}, {"colour count", 8, 1, 16},
        {"entry reserved", 9, 1, 0}, {"planes", 10, 2, 1}, {"bits per pixel", 12, 2, 4},
    };
    const Field image[] = {
        {"info header size", 0, 4, 40}, {"width", 4, 4, 32},          {"height", 8, 4, 64},
        {"planes", 12, 2, 1},           {"bits per pixel", 14, 2, 4}, {"compression (BI_RGB)", 16, 4, 0},
    };
    for (const Field& field : directory)
        EXPECT_EQ(ReadField(file_, 0, field), field.expected) << "directory " << field.name;
    for (const Field& field : image)
        EXPECT_EQ(ReadField(file_, imageOffset_, field), field.expected) << "image " << field.name;
}

// Directory, then the image, whose 32 rows of 4 mask bytes, all clear (opaque), end the file.
TEST_F(IconTest, ImageFollowsDirectoryAndOpaqueMaskEndsTheFile)
{
    EXPECT_EQ(imageOffset_, kDirectorySize);
    EXPECT_EQ(imageOffset_ + resourceBytes_, file_.size());
    EXPECT_EQ(file_.size() - dib_.maskOffset, std::size_t{32 * 4});
    for (std::size_t offset = dib_.maskOffset; offset < file_.size(); ++offset)
        EXPECT_EQ(file_.U8(offset), 0u) << "mask byte " << offset - dib_.maskOffset;
}

}  // namespace
}  // namespace art_test
