#pragma once

#include "art/indexed_image.h"

namespace art {

// The application icon at a side of `size` pixels: the largest of its drawings whose
// side divides `size`, scaled up by a whole number so the pixel art stays sharp.
// Throws std::invalid_argument for a size no drawing divides.
IndexedImage CubeIconAtSize(int size);

// Each pixel becomes a factor x factor block.
IndexedImage ScaleUp(const IndexedImage& image, int factor);

}  // namespace art
