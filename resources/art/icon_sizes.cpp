#include "art/icon_sizes.h"

#include <stdexcept>
#include <string>

namespace art {

IndexedImage ScaleUp(const IndexedImage& image, int factor)
{
    if (factor < 1) {
        throw std::invalid_argument("scale factor " + std::to_string(factor) +
                                    " is not a whole number above 0");
    }
    IndexedImage scaled;
    scaled.width = image.width * factor;
    scaled.height = image.height * factor;
    scaled.pixels.reserve(static_cast<std::size_t>(scaled.width) * scaled.height);
    for (int y = 0; y < scaled.height; ++y) {
        for (int x = 0; x < scaled.width; ++x) {
            scaled.pixels.push_back(image.At(x / factor, y / factor));
        }
    }
    return scaled;
}

IndexedImage CubeIconAtSize(int size)
{
    for (const PixelArt& drawing : {CubeIconArt(), SmallCubeIconArt()}) {
        const IndexedImage image = Rasterize(drawing);
        if (size > 0 && size % image.width == 0) {
            return ScaleUp(image, size / image.width);
        }
    }
    throw std::invalid_argument("no drawing of the icon scales to " + std::to_string(size) +
                                " pixels by a whole number");
}

}  // namespace art
