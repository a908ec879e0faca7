#include "art/pixel_art.h"

namespace art {
namespace {

// Upper case is the lit top face, lower case the shaded sides of the same hue.
const std::vector<LegendEntry> kLegend = {
    {'.', kBlack}, {'R', kRed},     {'r', kDarkRed}, {'G', kGreen}, {'g', kDarkGreen},
    {'B', kBlue},  {'b', kNavy},    {'Y', kYellow},  {'y', kOlive}, {'C', kCyan},
    {'c', kTeal},  {'M', kMagenta}, {'m', kPurple},  {'W', kWhite}, {'w', kGrey},
};

const std::vector<std::string> kCubes = {
    "................................", "................................",
    "............GGG............YYY..", "....RRR....GGGg...........YYYy..",
    "...RRRr....gggg......BBB..yyyy..", "...rrrr....ggg......BBBb..yyy...",
    "...rrr..............bbbb........", "....................bbb.........",
    "................................", "................MMM.............",
    ".......CCC.....MMMm.............", "......CCCc.....mmmm......WWW....",
    "......cccc.....mmm......WWWw....", "......ccc...............wwww....",
    "........................www.....", "................................",
    "...........BBB..................", "...YYY....BBBb..................",
    "..YYYy....bbbb.....RRR..........", "..yyyy....bbb.....RRRr.....GGG..",
    "..yyy.............rrrr....GGGg..", "..................rrr.....gggg..",
    "..........................ggg...", "................................",
    "..............CCC...............", "......MMM....CCCc...............",
    ".....MMMm....cccc.....BBB...RRR.", ".....mmmm....ccc.....BBBb..RRRr.",
    ".....mmm.............bbbb..rrrr.", ".....................bbb...rrr..",
    "................................", "................................",
};

// The same cubes drawn again for small sizes, where the 32-pixel picture cannot be
// scaled by a whole number.
const std::vector<std::string> kSmallCubes = {
    "................", "..RRR......GGG..", ".RRRr.....GGGg..", ".rrrr.....gggg..",
    ".rrr......ggg...", "......BBB.......", ".....BBBb.......", ".....bbbb.......",
    ".....bbb........", "................", "..YYY......MMM..", ".YYYy.....MMMm..",
    ".yyyy.....mmmm..", ".yyy......mmm...", "................", "................",
};

}  // namespace

PixelArt CubeIconArt()
{
    return {kCubes, kLegend};
}

PixelArt SmallCubeIconArt()
{
    return {kSmallCubes, kLegend};
}

}  // namespace art
