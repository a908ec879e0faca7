// Build step: encodes the text pixel art into toolbar.bmp and the icon file.
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "art/dib_encoder.h"

namespace {

using Encoder = std::vector<std::uint8_t> (*)(const art::IndexedImage&);

void WritePicture(const std::string& path, const art::PixelArt& picture, Encoder encode) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = encode(art::Rasterize(picture));
  } catch (const std::invalid_argument& error) {
    throw std::runtime_error(path + ": " + error.what());
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    throw std::runtime_error(path + ": cannot write");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: dorvane_write_art <toolbar.bmp> <icon.ico>\n";
    return 2;
  }
  try {
    WritePicture(argv[1], art::ToolbarArt(), art::EncodeBitmapFile);
    WritePicture(argv[2], art::CubeIconArt(), art::EncodeIconFile);
  } catch (const std::exception& error) {
    std::cerr << "dorvane_write_art: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
