#include <cstdint>

#include "volumes/volume_shapes.h"

namespace volumes {
namespace {

// splitmix64: tiny, well mixed, and written out here, so sample files made from a
// seed stay identical across compilers and standard libraries.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1) from the top 53 bits.
    double NextUnit() { return double(Next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t state_;
};

}  // namespace

std::vector<unsigned char> Noise(double density, unsigned seed)
{
    SplitMix64 random(seed);
    std::vector<unsigned char> bytes(GridShape::kCells);
    for (unsigned char& cell : bytes)
        cell = random.NextUnit() < density ? 1 : 0;
    return bytes;
}

}  // namespace volumes
