#pragma once

#include <cstdint>
#include <vector>

#include "art/indexed_image.h"

namespace art {

// Windows .bmp: file header, 40-byte info header, the standard 16 colours,
// then 4 bpp uncompressed rows bottom-up, each padded to 4 bytes.
std::vector<std::uint8_t> EncodeBitmapFile(const IndexedImage& image);

// Windows .ico with one 4 bpp image (at most 256 x 256) and an all-opaque
// AND mask after the colour rows, as the icon loader expects.
std::vector<std::uint8_t> EncodeIconFile(const IndexedImage& image);

}  // namespace art
