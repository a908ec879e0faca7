#pragma once

#include <cstdint>
#include <vector>

#include "art/indexed_image.h"

// Written here because no library at hand writes these layouts: gdk-pixbuf saves .bmp only
// at 24 bits and .ico only at 16, 24 or 32 bits, libpng writes PNG alone, and wxImage
// belongs to the framework layer. ImageMagick can write both at 4 bits, but it would become
// a build dependency of the program, and the colour table's order (the standard 16 colours,
// in their order) would rest on its keeping a PNG's palette as read, which it does not promise.
namespace art {

// Windows .bmp: file header, 40-byte info header, the standard 16 colours,
// then 4 bpp uncompressed rows bottom-up, each padded to 4 bytes.
std::vector<std::uint8_t> EncodeBitmapFile(const IndexedImage& image);

// Windows .ico with one 4 bpp image (at most 256 x 256) and an all-opaque
// AND mask after the colour rows, as the icon loader expects.
std::vector<std::uint8_t> EncodeIconFile(const IndexedImage& image);

}  // namespace art
