#pragma once

#include <cstdint>
#include <vector>

#include "art/indexed_image.h"

namespace art {

// A PNG file of the image: 8-bit indices into the standard 16 colours, no filtering,
// compressed with zlib. The desktop's icon themes take PNG files.
std::vector<std::uint8_t> EncodePngFile(const IndexedImage& image);

}  // namespace art
