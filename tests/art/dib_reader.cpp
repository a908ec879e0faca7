#include "dib_reader.h"

#include <stdexcept>
#include <string>

namespace art_test {

std::ostream& operator<<(std::ostream& out, const Colour& colour)
{
    return out << '(' << colour.red << ',' << colour.green << ',' << colour.blue << ')';
}

std::uint32_t LittleEndianReader::U8(std::size_t offset) const
{
    if (offset >= bytes_.size) {
        throw std::out_of_range("read at " + std::to_string(offset) + " past " + std::to_string(bytes_.size) +
                                " bytes");
    }
    return bytes_.data[offset];
}

std::uint32_t LittleEndianReader::U16(std::size_t offset) const
{
    return U8(offset) | U8(offset + 1) << 8;
}

std::uint32_t LittleEndianReader::U32(std::size_t offset) const
{
    return U16(offset) | U16(offset + 2) << 16;
}

std::uint32_t ReadField(const LittleEndianReader& file, std::size_t base, const Field& field)
{
    const std::size_t at = base + field.offset;
    return field.bytes == 1 ? file.U8(at) : field.bytes == 2 ? file.U16(at) : file.U32(at);
}

std::size_t RowStride(int width, int bitsPerPixel)
{
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

Dib ReadDib(const LittleEndianReader& file, std::size_t headerOffset, DibKind kind)
{
    Dib dib{};
    dib.width = file.S32(headerOffset + 4);
    dib.height = file.S32(headerOffset + 8);
    dib.bitCount = file.U16(headerOffset + 14);
    const std::uint32_t coloursUsed = file.U32(headerOffset + 32);
    dib.paletteOffset = headerOffset + file.U32(headerOffset);
    dib.paletteEntries = coloursUsed != 0 ? coloursUsed : std::size_t{1} << dib.bitCount;
    dib.pixelOffset = dib.paletteOffset + 4 * dib.paletteEntries;
    dib.colourRows = kind == DibKind::kIconWithMask ? dib.height / 2 : dib.height;
    dib.maskOffset = dib.pixelOffset + RowStride(dib.width, dib.bitCount) * dib.colourRows;
    return dib;
}

Colour PaletteEntry(const LittleEndianReader& file, const Dib& dib, int index)
{
    const std::size_t entry = dib.paletteOffset + 4 * static_cast<std::size_t>(index);
    return {static_cast<int>(file.U8(entry + 2)), static_cast<int>(file.U8(entry + 1)),
            static_cast<int>(file.U8(entry))};
}

int PixelIndex(const LittleEndianReader& file, const Dib& dib, int x, int y)
{
    const std::size_t row = dib.pixelOffset + RowStride(dib.width, 4) * (dib.colourRows - 1 - y);
    const std::uint32_t pair = file.U8(row + x / 2);
    return static_cast<int>(x % 2 == 0 ? pair >> 4 : pair & 0x0F);
}

Colour PixelColour(const LittleEndianReader& file, const Dib& dib, int x, int y)
{
    return PaletteEntry(file, dib, PixelIndex(file, dib, x, y));
}

}  // namespace art_test
