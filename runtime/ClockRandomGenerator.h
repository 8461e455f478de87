#pragma once

#include "runtime/RandomGenerator.h"

#include <cstdint>
#include <random>

class ClockRandomGenerator : public RandomGenerator {
public:
    void reseedFromClock() override;
    void reseed(std::uint64_t seed);
    float next() override;

private:
    std::mt19937 engine_;
};
