#include "runtime/ClockRandomGenerator.h"

#include <chrono>

void ClockRandomGenerator::reseedFromClock()
{
    reseed(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
}

void ClockRandomGenerator::reseed(std::uint64_t seed)
{
    std::seed_seq sequence{std::uint32_t(seed), std::uint32_t(seed >> 32)};
    engine_.seed(sequence);
}

float ClockRandomGenerator::next()
{
    // 24 random bits fit a float's mantissa exactly, so u can never round up to 1.0.
    return float(engine_() >> 8) * 0x1p-24f;
}
