#include "art/indexed_image.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace art {
namespace {

Colour LookUp(const std::vector<LegendEntry>& legend, char symbol, int x, int y)
{
    const auto entry = std::find_if(legend.begin(), legend.end(),
                                    [symbol](const LegendEntry& e) { return e.symbol == symbol; });
    if (entry == legend.end()) {
        throw std::invalid_argument("row " + std::to_string(y) + " column " + std::to_string(x) + ": '" +
                                    symbol + "' is not in the legend");
    }
    return entry->colour;
}

}  // namespace

IndexedImage Rasterize(const PixelArt& art)
{
    if (art.rows.empty() || art.rows.front().empty()) {
        throw std::invalid_argument("pixel art is empty");
    }
    IndexedImage image;
    image.width = static_cast<int>(art.rows.front().size());
    image.height = static_cast<int>(art.rows.size());
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const std::string& row = art.rows[y];
        if (static_cast<int>(row.size()) != image.width) {
            throw std::invalid_argument("row " + std::to_string(y) + " is " + std::to_string(row.size()) +
                                        " pixels wide, expected " + std::to_string(image.width));
        }
        for (int x = 0; x < image.width; ++x) {
            image.pixels.push_back(LookUp(art.legend, row[x], x, y));
        }
    }
    return image;
}

}  // namespace art
