#pragma once

#include <array>
#include <cstdint>

namespace art {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// Index order is fixed: 4 bpp Windows resources are read against this table.
enum Colour : std::uint8_t {
    kBlack,
    kDarkRed,
    kDarkGreen,
    kOlive,
    kNavy,
    kPurple,
    kTeal,
    kGrey,
    kLightGrey,
    kRed,
    kGreen,
    kYellow,
    kBlue,
    kMagenta,
    kCyan,
    kWhite,
};

inline constexpr std::array<Rgb, 16> kStandardColours{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {128, 128, 128},
    {192, 192, 192},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

}  // namespace art
