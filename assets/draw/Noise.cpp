#include "Noise.h"

#include <cmath>

std::uint64_t Rng::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

double Rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

double hash01(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343U ^ static_cast<std::uint32_t>(y) * 0xD8163841U
        ^ seed * 0xCB1AB31FU;
    h ^= h >> 15;
    h *= 0x2C1B3C6DU;
    h ^= h >> 12;
    h *= 0x297A2D39U;
    h ^= h >> 15;
    return (h & 0xFFFFFFU) / 16777216.0;
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    auto fade = [](double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); };
    const double u = fade(x - fx);
    const double v = fade(y - fy);
    const double top = hash01(ix, iy, seed) * (1.0 - u) + hash01(ix + 1, iy, seed) * u;
    const double bottom = hash01(ix, iy + 1, seed) * (1.0 - u) + hash01(ix + 1, iy + 1, seed) * u;
    return top * (1.0 - v) + bottom * v;
}

double fbm(double x, double y, int octaves, std::uint32_t seed)
{
    double sum = 0.0;
    double amplitude = 0.5;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101U);
        total += amplitude;
        // Rotating each octave a little hides the lattice.
        const double nx = 1.6 * x + 1.2 * y + 3.1;
        y = -1.2 * x + 1.6 * y + 1.7;
        x = nx;
        amplitude *= 0.5;
    }
    return sum / total;
}
