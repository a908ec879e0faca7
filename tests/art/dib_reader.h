#pragma once

// Reads .bmp/.ico fields byte by byte so the checks do not share the
// writer's idea of the layout.
#include <cstddef>
#include <cstdint>
#include <ostream>

#include "art/embedded_art.h"

namespace art_test {

struct Colour {
    int red;
    int green;
    int blue;
    bool operator==(const Colour& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
    bool operator!=(const Colour& other) const { return !(*this == other); }
};
std::ostream& operator<<(std::ostream& out, const Colour& colour);

inline constexpr Colour kBlack{0, 0, 0}, kNavy{0, 0, 128}, kLightGrey{192, 192, 192}, kYellow{255, 255, 0},
    kWhite{255, 255, 255};

// Out-of-range reads throw, which fails the test instead of reading garbage.
class LittleEndianReader {
public:
    explicit LittleEndianReader(art::Bytes bytes) : bytes_(bytes) {}
    std::uint32_t U8(std::size_t offset) const;
    std::uint32_t U16(std::size_t offset) const;
    std::uint32_t U32(std::size_t offset) const;
    std::int32_t S32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    std::size_t size() const { return bytes_.size; }

private:
    art::Bytes bytes_;
};

// One little-endian header field and the value it must hold.
struct Field {
    const char* name;
    std::size_t offset;
    int bytes;
    std::uint32_t expected;
};
std::uint32_t ReadField(const LittleEndianReader& file, std::size_t base, const Field& field);

enum class DibKind { kBitmapFile, kIconWithMask };

// Where the parts of a BITMAPINFOHEADER-based image sit in the file.
struct Dib {
    std::int32_t width;
    std::int32_t height;  // as stored: icons count the mask rows too
    std::uint32_t bitCount;
    std::size_t paletteOffset;
    std::size_t paletteEntries;
    std::size_t pixelOffset;
    int colourRows;
    std::size_t maskOffset;  // just past the colour rows
};

Dib ReadDib(const LittleEndianReader& file, std::size_t headerOffset, DibKind kind);
std::size_t RowStride(int width, int bitsPerPixel);
Colour PaletteEntry(const LittleEndianReader& file, const Dib& dib, int index);
// 4 bpp only; y counts from the top although rows are stored bottom-up.
int PixelIndex(const LittleEndianReader& file, const Dib& dib, int x, int y);
Colour PixelColour(const LittleEndianReader& file, const Dib& dib, int x, int y);

}  // namespace art_test
