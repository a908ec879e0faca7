// The icon as the desktop gets it: PNG files at the icon theme's sizes, each the pixel
// art scaled by a whole number, showing the same cubes as the 32-pixel .ico.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <tuple>

#include "art/embedded_art.h"
#include "art/icon_sizes.h"
#include "art/png_encoder.h"
#include "dib_reader.h"
#include "png_reader.h"

namespace art_test {
namespace {

// Each size and the side of the drawing it is scaled from.
struct IconSize {
    int side;
    int drawingSide;
};
constexpr IconSize kSizes[] = {{16, 16}, {32, 32}, {48, 16}, {64, 32}, {128, 32}, {256, 32}};

std::vector<PngImage> ReadIconSet()
{
    std::vector<PngImage> images;
    for (art::Bytes file : art::IconSet()) {
        images.push_back(ReadPng(file));
    }
    return images;
}

// The picture with each factor x factor block taken back to one pixel; fails the test
// when a block is not one colour.
PngImage ScaleDown(const PngImage& image, int factor)
{
    PngImage small;
    small.width = image.width / factor;
    small.height = image.height / factor;
    for (int y = 0; y < small.height; ++y) {
        for (int x = 0; x < small.width; ++x) {
            const Colour colour = image.At(x * factor, y * factor);
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    EXPECT_EQ(image.At(x * factor + dx, y * factor + dy), colour)
                        << "block " << x << "," << y << " of the " << image.width << "-pixel icon";
                }
            }
            small.pixels.push_back(colour);
        }
    }
    return small;
}

PngImage IcoPicture()
{
    const LittleEndianReader file{art::Icon()};
    const Dib dib = ReadDib(file, file.U32(18), DibKind::kIconWithMask);
    PngImage picture;
    picture.width = dib.width;
    picture.height = dib.colourRows;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            picture.pixels.push_back(PixelColour(file, dib, x, y));
        }
    }
    return picture;
}

// Every size the icon theme asks for, smallest first, each its drawing scaled up.
TEST(IconSet, EachThemeSizeIsItsDrawingScaledByAWholeNumber)
{
    const std::vector<PngImage> images = ReadIconSet();
    ASSERT_EQ(images.size(), std::size(kSizes));
    const PngImage large = IcoPicture();
    const PngImage& small = images[0];
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(kSizes[i].side);
        EXPECT_EQ(images[i].width, kSizes[i].side);
        EXPECT_EQ(images[i].height, kSizes[i].side);
        const PngImage drawing = ScaleDown(images[i], kSizes[i].side / kSizes[i].drawingSide);
        const PngImage& expected = kSizes[i].drawingSide == 32 ? large : small;
        ASSERT_EQ(drawing.width, expected.width);
        EXPECT_TRUE(drawing.pixels == expected.pixels);
    }
}

// Both drawings, the .ico's 32 pixels and the smallest PNG's 16, show cubes on black.
TEST(IconSet, DrawingsShowCubesInSeveralColoursOnBlack)
{
    const struct {
        const char* what;
        PngImage picture;
        std::size_t leastColours;
        int leastBlackPixels;
    } drawings[] = {
        {".ico", IcoPicture(), 3, 32 * 32 / 2},
        {"16-pixel PNG", ReadIconSet().at(0), 6, 16 * 16 / 3},  // lit tops and shaded sides of three hues
    };
    for (const auto& [what, picture, leastColours, leastBlackPixels] : drawings) {
        SCOPED_TRACE(what);
        std::set<std::tuple<int, int, int>> colours;
        int blackPixels = 0;
        for (const Colour& colour : picture.pixels) {
            if (colour == kBlack) {
                ++blackPixels;
            } else {
                colours.insert({colour.red, colour.green, colour.blue});
            }
        }
        EXPECT_GE(colours.size(), leastColours);
        EXPECT_GT(blackPixels, leastBlackPixels);
        const int last = picture.width - 1;
        for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) {
            EXPECT_EQ(picture.At(x, y), kBlack) << "corner " << x << "," << y;
        }
    }
}

TEST(IconSet, SizesNoDrawingScalesToAndBadImagesAreRefused)
{
    for (int size : {0, -16, 8, 20, 40, 100}) {
        EXPECT_THROW(art::CubeIconAtSize(size), std::invalid_argument) << size;
    }
    EXPECT_THROW(art::ScaleUp(art::CubeIconAtSize(16), 0), std::invalid_argument);
    const struct {
        const char* what;
        art::IndexedImage image;
    } badImages[] = {
        {"empty", {}},
        {"fewer pixels than its size", {2, 2, {0, 1, 2}}},
        {"more pixels than its size", {1, 1, {0, 1}}},
    };
    for (const auto& bad : badImages) {
        EXPECT_THROW(art::EncodePngFile(bad.image), std::invalid_argument) << bad.what;
    }
}

}  // namespace
}  // namespace art_test
