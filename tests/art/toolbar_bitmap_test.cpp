#include <gtest/gtest.h>

#include <string>

#include "art/embedded_art.h"
#include "dib_reader.h"

namespace art_test {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr int kImageSize = 16;
constexpr int kImageHeight = 15;
constexpr int kPlay = 0, kAbout = 1, kContextHelp = 2;

class ToolbarBitmapTest : public ::testing::Test {
protected:
    Colour At(int image, int x, int y) const { return PixelColour(file_, dib_, image * kImageSize + x, y); }

    bool ImageContains(int image, Colour colour) const
    {
        for (int y = 0; y < kImageHeight; ++y) {
            for (int x = 0; x < kImageSize; ++x) {
                if (At(image, x, y) == colour)
                    return true;
            }
        }
        return false;
    }

    LittleEndianReader file_{art::ToolbarBitmap()};
    Dib dib_ = ReadDib(file_, kFileHeaderSize, DibKind::kBitmapFile);
};

TEST_F(ToolbarBitmapTest, HeadersDescribeUncompressedFourBitBitmap)
{
    const Field fields[] = {
        {"signature", 0, 2, 'B' | 'M' << 8},
        {"reserved 1", 6, 2, 0},
        {"reserved 2", 8, 2, 0},
        {"info header size", 14, 4, 40},
        {"width", 18, 4, 48},
        {"height", 22, 4, 15},
        {"planes", 26, 2, 1},
        {"bits per pixel", 28, 2, 4},
        {"compression (BI_RGB)", 30, 4, 0},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(ReadField(file_, 0, field), field.expected);
    }
}

// The file's size and pixel offset fields agree with the bytes, and the padded rows end the file.
TEST_F(ToolbarBitmapTest, SizeAndOffsetFieldsMatchTheBytes)
{
    EXPECT_EQ(file_.U32(2), file_.size());
    EXPECT_EQ(file_.U32(10), dib_.pixelOffset);
    EXPECT_EQ(dib_.pixelOffset + RowStride(48, 4) * 15, file_.size());
}

// Each image is drawn in its colours on the light grey a toolbar shows, which fills its corners.
TEST_F(ToolbarBitmapTest, EachImageIsDrawnInItsColoursOnLightGrey)
{
    const struct {
        int image;
        Colour colours[2];
    } cases[] = {
        {kPlay, {kBlack, kWhite}},
        {kAbout, {kYellow, kBlack}},
        {kContextHelp, {kNavy, kBlack}},
    };
    const int last = kImageSize - 1, bottom = kImageHeight - 1;
    for (const auto& c : cases) {
        SCOPED_TRACE("image " + std::to_string(c.image));
        for (const Colour& colour : c.colours) {
            EXPECT_TRUE(ImageContains(c.image, colour)) << "lacks " << colour;
        }
        for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, bottom}, {last, bottom}}) {
            EXPECT_EQ(At(c.image, x, y), kLightGrey) << "corner " << x << "," << y;
        }
    }
}

TEST_F(ToolbarBitmapTest, PlayTriangleIsWhiteOnlyAlongItsLowerEdge)
{
    bool whiteBorderingBlack = false;
    for (int y = 0; y < kImageHeight; ++y) {
        for (int x = 1; x < kImageSize; ++x) {
            if (At(kPlay, x, y) != kWhite)
                continue;
            EXPECT_GT(y, kImageHeight / 2) << "white above the tip at " << x << "," << y;
            whiteBorderingBlack = whiteBorderingBlack || At(kPlay, x - 1, y) == kBlack;
        }
    }
    EXPECT_TRUE(whiteBorderingBlack);
}

TEST_F(ToolbarBitmapTest, AboutQuestionMarkIsOutlinedInBlack)
{
    for (int y = 1; y + 1 < kImageHeight; ++y) {
        for (int x = 1; x + 1 < kImageSize; ++x) {
            if (At(kAbout, x, y) != kYellow)
                continue;
            for (auto [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
                EXPECT_NE(At(kAbout, nx, ny), kLightGrey)
                    << "yellow at " << x << "," << y << " touches the background";
            }
        }
    }
}

}  // namespace
}  // namespace art_test
