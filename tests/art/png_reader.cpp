#include "png_reader.h"

#include <cstring>
#include <string>

#include <zlib.h>

namespace art_test {
namespace {

constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian32(const unsigned char* bytes)
{
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 |
           bytes[3];
}

struct Chunks {
    std::vector<unsigned char> header;
    std::vector<unsigned char> palette;
    std::vector<unsigned char> data;  // all IDAT chunks, joined
    bool ended = false;
};

Chunks ReadChunks(art::Bytes file)
{
    if (file.size < sizeof kSignature || std::memcmp(file.data, kSignature, sizeof kSignature) != 0) {
        throw std::runtime_error("no PNG signature");
    }
    Chunks chunks;
    std::size_t offset = sizeof kSignature;
    while (!chunks.ended) {
        if (file.size - offset < 12) {
            throw std::runtime_error("the file ends inside a chunk at byte " + std::to_string(offset));
        }
        const std::uint32_t length = BigEndian32(file.data + offset);
        if (length > file.size - offset - 12) {
            throw std::runtime_error("a chunk at byte " + std::to_string(offset) + " runs past the end");
        }
        const unsigned char* type = file.data + offset + 4;
        const unsigned char* body = type + 4;
        const uLong crc = crc32(0L, type, 4 + length);
        if (crc != BigEndian32(body + length)) {
            throw std::runtime_error("bad CRC on chunk " +
                                     std::string(reinterpret_cast<const char*>(type), 4));
        }
        const std::string name(reinterpret_cast<const char*>(type), 4);
        std::vector<unsigned char>* target = name == "IHDR"   ? &chunks.header
                                             : name == "PLTE" ? &chunks.palette
                                             : name == "IDAT" ? &chunks.data
                                                              : nullptr;
        if (target != nullptr) {
            target->insert(target->end(), body, body + length);
        }
        chunks.ended = name == "IEND";
        offset += 12 + length;
    }
    if (offset != file.size) {
        throw std::runtime_error("bytes after IEND");
    }
    return chunks;
}

}  // namespace

PngImage ReadPng(art::Bytes file)
{
    const Chunks chunks = ReadChunks(file);
    if (chunks.header.size() != 13) {
        throw std::runtime_error("IHDR is not 13 bytes");
    }
    PngImage image;
    image.width = static_cast<int>(BigEndian32(chunks.header.data()));
    image.height = static_cast<int>(BigEndian32(chunks.header.data() + 4));
    const unsigned char* format = chunks.header.data() + 8;
    if (format[0] != 8 || format[1] != 3 || format[2] != 0 || format[3] != 0 || format[4] != 0) {
        throw std::runtime_error("not 8-bit indexed colour without interlacing");
    }
    if (chunks.palette.empty() || chunks.palette.size() % 3 != 0) {
        throw std::runtime_error("no usable palette");
    }
    const std::size_t stride = static_cast<std::size_t>(image.width) + 1;
    std::vector<unsigned char> rows(stride * image.height);
    uLongf size = rows.size();
    if (uncompress(rows.data(), &size, chunks.data.data(), chunks.data.size()) != Z_OK ||
        size != rows.size()) {
        throw std::runtime_error("the image data does not inflate to " + std::to_string(rows.size()) +
                                 " bytes");
    }
    for (int y = 0; y < image.height; ++y) {
        const unsigned char* row = rows.data() + y * stride;
        if (row[0] != 0) {
            throw std::runtime_error("row " + std::to_string(y) + " uses filter " + std::to_string(row[0]));
        }
        for (int x = 0; x < image.width; ++x) {
            const std::size_t entry = std::size_t{row[1 + x]} * 3;
            if (entry + 3 > chunks.palette.size()) {
                throw std::runtime_error("pixel index past the palette");
            }
            image.pixels.push_back(
                {chunks.palette[entry], chunks.palette[entry + 1], chunks.palette[entry + 2]});
        }
    }
    return image;
}

}  // namespace art_test
