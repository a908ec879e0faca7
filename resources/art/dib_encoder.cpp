#include "art/dib_encoder.h"

#include <stdexcept>

namespace art {
namespace {

using Buffer = std::vector<std::uint8_t>;

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 4 * kStandardColours.size();
constexpr std::uint32_t kIconDirSize = 6;
constexpr std::uint32_t kIconEntrySize = 16;
constexpr int kColourBits = 4;
constexpr int kMaskBits = 1;
constexpr int kMaxIconSide = 256;

void PutU8(Buffer& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
}

void PutU16(Buffer& out, std::uint32_t value)
{
    PutU8(out, value);
    PutU8(out, value >> 8);
}

void PutU32(Buffer& out, std::uint32_t value)
{
    PutU16(out, value);
    PutU16(out, value >> 16);
}

std::uint32_t RowStride(int width, int bitsPerPixel)
{
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

void PutInfoHeader(Buffer& out, int width, int dibHeight, std::uint32_t imageBytes)
{
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(dibHeight));
    PutU16(out, 1);  // planes
    PutU16(out, kColourBits);
    PutU32(out, 0);  // BI_RGB
    PutU32(out, imageBytes);
    PutU32(out, 0);  // horizontal resolution: unspecified
    PutU32(out, 0);  // vertical resolution: unspecified
    PutU32(out, kStandardColours.size());
    PutU32(out, 0);  // all colours important
}

void PutPalette(Buffer& out)
{
    for (const Rgb& colour : kStandardColours) {
        PutU8(out, colour.blue);
        PutU8(out, colour.green);
        PutU8(out, colour.red);
        PutU8(out, 0);
    }
}

void PutColourRows(Buffer& out, const IndexedImage& image)
{
    const std::uint32_t stride = RowStride(image.width, kColourBits);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; x += 2) {
            const std::uint32_t right = x + 1 < image.width ? image.At(x + 1, y) : 0;
            PutU8(out, static_cast<std::uint32_t>(image.At(x, y)) << 4 | right);
        }
        out.resize(rowStart + stride, 0);
    }
}

void PutOpaqueMask(Buffer& out, const IndexedImage& image)
{
    out.resize(out.size() + RowStride(image.width, kMaskBits) * image.height, 0);
}

}  // namespace

Buffer EncodeBitmapFile(const IndexedImage& image)
{
    const std::uint32_t pixelBytes = RowStride(image.width, kColourBits) * image.height;
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    Buffer out;
    PutU8(out, 'B');
    PutU8(out, 'M');
    PutU32(out, pixelOffset + pixelBytes);
    PutU32(out, 0);  // two reserved words
    PutU32(out, pixelOffset);
    PutInfoHeader(out, image.width, image.height, pixelBytes);
    PutPalette(out);
    PutColourRows(out, image);
    return out;
}

Buffer EncodeIconFile(const IndexedImage& image)
{
    if (image.width > kMaxIconSide || image.height > kMaxIconSide) {
        throw std::invalid_argument("icons are at most 256 x 256 pixels");
    }
    const std::uint32_t colourBytes = RowStride(image.width, kColourBits) * image.height;
    const std::uint32_t maskBytes = RowStride(image.width, kMaskBits) * image.height;
    const std::uint32_t resourceBytes = kInfoHeaderSize + kPaletteSize + colourBytes + maskBytes;
    Buffer out;
    PutU16(out, 0);                          // reserved
    PutU16(out, 1);                          // icon, not cursor
    PutU16(out, 1);                          // image count
    PutU8(out, image.width % kMaxIconSide);  // 256 is stored as 0
    PutU8(out, image.height % kMaxIconSide);
    PutU8(out, kStandardColours.size());
    PutU8(out, 0);   // reserved
    PutU16(out, 1);  // planes
    PutU16(out, kColourBits);
    PutU32(out, resourceBytes);
    PutU32(out, kIconDirSize + kIconEntrySize);
    // The DIB height counts the colour rows and the mask rows together.
    PutInfoHeader(out, image.width, 2 * image.height, colourBytes + maskBytes);
    PutPalette(out);
    PutColourRows(out, image);
    PutOpaqueMask(out, image);
    return out;
}

}  // namespace art
