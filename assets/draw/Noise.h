#pragma once

#include <cstdint>

// Seeded generator, so every run draws the same strokes and pieces.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform();                   // [0, 1)
    double range(double lo, double hi); // [lo, hi)

private:
    std::uint64_t state_;
};

double hash01(int x, int y, std::uint32_t seed);
double valueNoise(double x, double y, std::uint32_t seed); // smooth, 0..1
double fbm(double x, double y, int octaves, std::uint32_t seed);
