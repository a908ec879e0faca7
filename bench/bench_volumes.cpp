#include "bench_volumes.h"

#include "volumes/volume_shapes.h"

#include <algorithm>

namespace {

constexpr unsigned kNoiseSeed = 20240601;

BenchVolume Decoded(std::string name, std::vector<unsigned char> bytes)
{
    BenchVolume volume{std::move(name), std::move(bytes), 0};
    for (unsigned char& cell : volume.cells)
        cell = cell != 0 ? 1 : 0;
    volume.occupied = std::count(volume.cells.begin(), volume.cells.end(), 1);
    return volume;
}

}  // namespace

std::vector<unsigned char> HalfNoise()
{
    return volumes::Noise(0.5, kNoiseSeed);
}

std::vector<BenchVolume> BenchVolumes()
{
    std::vector<BenchVolume> list;
    list.push_back(Decoded("empty", volumes::Empty()));
    list.push_back(Decoded("cell", volumes::SingleCellOnAxis()));
    list.push_back(Decoded("shell", volumes::HollowShell()));
    list.push_back(Decoded("sphere", volumes::Sphere()));
    list.push_back(Decoded("torus", volumes::Torus()));
    list.push_back(Decoded("noise50", HalfNoise()));
    list.push_back(Decoded("block", volumes::FullBlock()));
    return list;
}
