#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "art/dib_encoder.h"
#include "dib_reader.h"

namespace art_test {
namespace {

// Every pixel differs from its neighbours, so swapped nibbles or rows show up.
art::IndexedImage Gradient(int width, int height) {
  art::IndexedImage image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.pixels.push_back(static_cast<std::uint8_t>((x + 3 * y) % 16));
  }
  return image;
}

void ExpectSamePixels(const std::vector<std::uint8_t>& encoded, const art::IndexedImage& image,
                      std::size_t headerOffset, DibKind kind) {
  const LittleEndianReader file({encoded.data(), encoded.size()});
  const Dib dib = ReadDib(file, headerOffset, kind);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      ASSERT_EQ(PixelIndex(file, dib, x, y), image.At(x, y)) << "pixel " << x << "," << y;
    }
  }
}

TEST(RasterizeTest, RejectsArtThatDoesNotMatchTheLegend) {
  const std::vector<art::LegendEntry> legend = {{'.', art::kBlack}, {'#', art::kWhite}};
  const struct {
    const char* name;
    std::vector<std::string> rows;
    const char* message;
  } cases[] = {
      {"ragged row", {"..#", ".#", "#.."}, "row 1 is 2 pixels wide"},
      {"unknown symbol", {"...", ".x."}, "row 1 column 1: 'x'"},
      {"no rows", {}, "empty"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      art::Rasterize({c.rows, legend});
      ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

TEST(RasterizeTest, MapsEachSymbolThroughTheLegend) {
  const art::IndexedImage image =
      art::Rasterize({{"y.", ".n"}, {{'.', art::kLightGrey}, {'y', art::kYellow}, {'n', art::kNavy}}});
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{art::kYellow, art::kLightGrey, art::kLightGrey, art::kNavy}));
}

TEST(EncodeBitmapFileTest, RoundTripsOddAndEvenWidths) {
  for (const auto& [width, height] : {std::pair{1, 1}, {3, 2}, {8, 3}, {9, 4}, {48, 15}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    const art::IndexedImage image = Gradient(width, height);
    const std::vector<std::uint8_t> encoded = art::EncodeBitmapFile(image);
    EXPECT_EQ(encoded.size(), 14 + 40 + 64 + RowStride(width, 4) * height);
    ExpectSamePixels(encoded, image, 14, DibKind::kBitmapFile);
  }
}

TEST(EncodeIconFileTest, RoundTripsWithMaskSizedToTheImage) {
  const struct {
    int width, height;
    std::uint32_t storedWidth;
  } cases[] = {{1, 1, 1}, {5, 3, 5}, {33, 2, 33}, {256, 1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const art::IndexedImage image = Gradient(c.width, c.height);
    const std::vector<std::uint8_t> encoded = art::EncodeIconFile(image);
    const LittleEndianReader file({encoded.data(), encoded.size()});
    EXPECT_EQ(file.U8(6), c.storedWidth);
    EXPECT_EQ(file.S32(22 + 8), 2 * c.height);
    const Dib dib = ReadDib(file, 22, DibKind::kIconWithMask);
    EXPECT_EQ(encoded.size() - dib.maskOffset, RowStride(c.width, 1) * c.height);
    ExpectSamePixels(encoded, image, 22, DibKind::kIconWithMask);
  }
}

TEST(EncodeIconFileTest, RefusesImagesWiderThanAnIconCanRecord) {
  EXPECT_THROW(art::EncodeIconFile(Gradient(257, 1)), std::invalid_argument);
}

}  // namespace
}  // namespace art_test
