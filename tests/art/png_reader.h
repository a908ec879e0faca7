#pragma once

// Reads a PNG file with libpng, which checks every chunk's CRC, so the icon checks do
// not share the writer's idea of the format.
#include <stdexcept>
#include <vector>

#include "art/embedded_art.h"
#include "dib_reader.h"

namespace art_test {

struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // row-major, top row first

    Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Throws std::runtime_error saying what is wrong with the file.
PngImage ReadPng(art::Bytes file);

}  // namespace art_test
