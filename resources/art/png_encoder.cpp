#include "art/png_encoder.h"

#include <stdexcept>
#include <string>

#include <png.h>

namespace art {

std::vector<std::uint8_t> EncodePngFile(const IndexedImage& image)
{
    // libpng takes the buffer's size on trust, so a short one must not reach it.
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        throw std::invalid_argument("a " + std::to_string(image.width) + " x " +
                                    std::to_string(image.height) + " image with " +
                                    std::to_string(image.pixels.size()) + " pixels");
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB_COLORMAP;
    png.colormap_entries = kStandardColours.size();
    png_alloc_size_t size = 0;
    const auto write = [&](void* memory) {
        return png_image_write_to_memory(&png, memory, &size, 0, image.pixels.data(), 0,
                                         kStandardColours.data());
    };
    std::vector<std::uint8_t> out;
    if (write(nullptr)) {
        out.resize(size);
        if (write(out.data())) {
            return out;
        }
    }
    throw std::runtime_error(std::string("libpng could not write the image: ") + png.message);
}

}  // namespace art
