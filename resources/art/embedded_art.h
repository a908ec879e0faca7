#pragma once

#include <vector>

// The toolbar bitmap and the application icon, as complete .bmp and .ico
// files compiled into the program so it never looks for them on disk.
namespace art {

struct Bytes {
    const unsigned char* data;
    unsigned long size;
};

// 48 x 15, 4 bpp: Play, About and context-help images, 16 x 15 each.
Bytes ToolbarBitmap();

// 32 x 32, 4 bpp, with an AND mask.
Bytes Icon();

// The same icon as PNG files of 16, 32, 48, 64, 128 and 256 pixels, smallest first.
std::vector<Bytes> IconSet();

}  // namespace art
