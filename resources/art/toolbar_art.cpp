#include "art/pixel_art.h"

namespace art {
namespace {

constexpr int kImageHeight = 15;

// . light grey   # black   w white   y yellow   n navy
const std::vector<LegendEntry> kLegend = {
    {'.', kLightGrey}, {'#', kBlack}, {'w', kWhite}, {'y', kYellow}, {'n', kNavy},
};

// The white lower edge gives the triangle a raised look on the grey button.
const char* const kPlay[kImageHeight] = {
    "................", "................", "....#...........", "....##..........", "....###.........",
    "....####........", "....#####.......", "....######......", "....#####w......", "....####w.......",
    "....###w........", "....##w.........", "....#w..........", "....w...........", "................",
};

const char* const kAbout[kImageHeight] = {
    "................", ".....######.....", "....#yyyyyy#....", "...#yy####yy#...", "...#yy#..#yy#...",
    "....##..#yy#....", ".......#yy#.....", "......#yy#......", "......#yy#......", ".......##.......",
    "......####......", "......#yy#......", "......#yy#......", ".......##.......", "................",
};

const char* const kContextHelp[kImageHeight] = {
    "................", "................", ".#..............", ".##.............", ".###......nnnn..",
    ".####....nn..nn.", ".#####.......nn.", ".######.....nn..", ".#######...nn...", ".####......nn...",
    ".##.##..........", ".#...##....nn...", "......##...nn...", "................", "................",
};

}  // namespace

PixelArt ToolbarArt()
{
    PixelArt strip{{}, kLegend};
    for (int y = 0; y < kImageHeight; ++y) {
        strip.rows.push_back(std::string(kPlay[y]) + kAbout[y] + kContextHelp[y]);
    }
    return strip;
}

}  // namespace art
