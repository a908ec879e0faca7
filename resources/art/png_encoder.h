#pragma once

#include <cstdint>
#include <vector>

#include "art/indexed_image.h"

namespace art {

// A PNG file of the image, written by libpng: indices into the standard 16 colours.
// The desktop's icon themes take PNG files. Throws std::invalid_argument for an image
// whose pixels do not fill its size.
std::vector<std::uint8_t> EncodePngFile(const IndexedImage& image);

}  // namespace art
