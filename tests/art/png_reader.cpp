#include "png_reader.h"

#include <png.h>

#include <string>

namespace art_test {

PngImage ReadPng(art::Bytes file)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, file.data, file.size))
        throw std::runtime_error(std::string("not a readable PNG: ") + png.message);
    // The icon themes are given 16-colour art: a palette, not true colour.
    if ((png.format & PNG_FORMAT_FLAG_COLORMAP) == 0) {
        png_image_free(&png);
        throw std::runtime_error("not indexed colour");
    }
    png.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr))
        throw std::runtime_error(std::string("the image data does not decode: ") + png.message);
    PngImage image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        image.pixels.push_back({rgb[i], rgb[i + 1], rgb[i + 2]});
    return image;
}

}  // namespace art_test
