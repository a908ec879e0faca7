// The volumes every frame benchmark draws, from an empty grid to a full one, decoded as
// the viewer decodes a file (0 empty, 1 occupied).
#pragma once

#include <string>
#include <vector>

struct BenchVolume {
    std::string name;
    std::vector<unsigned char> cells;
    long long occupied = 0;
};

std::vector<BenchVolume> BenchVolumes();
// The half-full noise volume, with the seed every bench program uses.
std::vector<unsigned char> HalfNoise();
