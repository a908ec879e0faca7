// Build step: encodes the text pixel art into toolbar.bmp, the icon file, and the icon
// as PNG files at the sizes asked for.
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "art/dib_encoder.h"
#include "art/icon_sizes.h"
#include "art/png_encoder.h"

namespace {

using Encoder = std::vector<std::uint8_t> (*)(const art::IndexedImage&);

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error(path + ": cannot write");
    }
}

void WritePicture(const std::string& path, const art::PixelArt& picture, Encoder encode)
{
    try {
        WriteFile(path, encode(art::Rasterize(picture)));
    } catch (const std::invalid_argument& error) {
        throw std::runtime_error(path + ": " + error.what());
    }
}

void WriteIconPng(const std::string& sizeText, const std::string& path)
{
    char* end = nullptr;
    const long size = std::strtol(sizeText.c_str(), &end, 10);
    if (sizeText.empty() || *end != '\0' || size <= 0 || size > 1024) {
        throw std::runtime_error("'" + sizeText + "' is not an icon size in pixels");
    }
    try {
        WriteFile(path, art::EncodePngFile(art::CubeIconAtSize(static_cast<int>(size))));
    } catch (const std::invalid_argument& error) {
        throw std::runtime_error(path + ": " + error.what());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 == 0) {
        std::cerr << "usage: dorvane_write_art <toolbar.bmp> <icon.ico> [<size> <icon.png>]...\n";
        return 2;
    }
    try {
        WritePicture(argv[1], art::ToolbarArt(), art::EncodeBitmapFile);
        WritePicture(argv[2], art::CubeIconArt(), art::EncodeIconFile);
        for (int i = 3; i + 1 < argc; i += 2) {
            WriteIconPng(argv[i], argv[i + 1]);
        }
    } catch (const std::exception& error) {
        std::cerr << "dorvane_write_art: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
