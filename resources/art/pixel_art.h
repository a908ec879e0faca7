#pragma once

#include <string>
#include <vector>

#include "art/standard_colours.h"

namespace art {

struct LegendEntry {
    char symbol;
    Colour colour;
};

// A picture drawn as text: one character per pixel, top row first.
struct PixelArt {
    std::vector<std::string> rows;
    std::vector<LegendEntry> legend;
};

// 48 x 15 strip of three 16 x 15 buttons: Play, About, context help.
PixelArt ToolbarArt();

// 32 x 32 application icon: coloured cubes on black.
PixelArt CubeIconArt();

// 16 x 16 version of the application icon, for the sizes that are not a whole multiple
// of 32.
PixelArt SmallCubeIconArt();

}  // namespace art
