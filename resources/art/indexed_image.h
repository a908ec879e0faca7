#pragma once

#include <cstdint>
#include <vector>

#include "art/pixel_art.h"

namespace art {

// Palette indices, row-major, top row first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    std::uint8_t At(int x, int y) const { return pixels[y * width + x]; }
};

// Throws std::invalid_argument naming the row and column of a ragged row or
// a character missing from the legend, so a typo in the art fails the build.
IndexedImage Rasterize(const PixelArt& art);

}  // namespace art
