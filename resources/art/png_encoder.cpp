#include "art/png_encoder.h"

#include <stdexcept>
#include <string>

#include <zlib.h>

namespace art {
namespace {

using Buffer = std::vector<std::uint8_t>;

constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kIndexedColour = 3;
constexpr std::uint8_t kNoFilter = 0;

void PutU32BigEndian(Buffer& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

// Length, type, data, and a CRC over the type and the data.
void PutChunk(Buffer& out, const char (&type)[5], const Buffer& data)
{
    PutU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
    PutU32BigEndian(out, static_cast<std::uint32_t>(crc));
}

Buffer Header(const IndexedImage& image)
{
    Buffer header;
    PutU32BigEndian(header, static_cast<std::uint32_t>(image.width));
    PutU32BigEndian(header, static_cast<std::uint32_t>(image.height));
    header.push_back(kBitDepth);
    header.push_back(kIndexedColour);
    header.push_back(0);  // deflate
    header.push_back(0);  // adaptive filtering, of which each row uses "none"
    header.push_back(0);  // not interlaced
    return header;
}

Buffer Palette()
{
    Buffer palette;
    for (const Rgb& colour : kStandardColours) {
        palette.insert(palette.end(), {colour.red, colour.green, colour.blue});
    }
    return palette;
}

Buffer CompressedRows(const IndexedImage& image)
{
    Buffer rows;
    rows.reserve(static_cast<std::size_t>(image.width + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        rows.push_back(kNoFilter);
        const auto rowStart = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        rows.insert(rows.end(), rowStart, rowStart + image.width);
    }
    uLongf size = compressBound(static_cast<uLong>(rows.size()));
    Buffer compressed(size);
    if (compress2(compressed.data(), &size, rows.data(), static_cast<uLong>(rows.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("zlib could not compress the image");
    }
    compressed.resize(size);
    return compressed;
}

}  // namespace

Buffer EncodePngFile(const IndexedImage& image)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        throw std::invalid_argument("a " + std::to_string(image.width) + " x " +
                                    std::to_string(image.height) + " image with " +
                                    std::to_string(image.pixels.size()) + " pixels");
    }
    Buffer out(std::begin(kSignature), std::end(kSignature));
    PutChunk(out, "IHDR", Header(image));
    PutChunk(out, "PLTE", Palette());
    PutChunk(out, "IDAT", CompressedRows(image));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace art
