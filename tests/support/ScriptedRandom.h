#pragma once

#include "runtime/ClockRandomGenerator.h"
#include "runtime/RandomGenerator.h"

#include <QList>

// Hands out scripted values first, then those of a seeded generator, so a
// deal always ends however short the script.
class ScriptedRandom : public RandomGenerator {
public:
    explicit ScriptedRandom(std::uint64_t seed = 1) { generator.reseed(seed); }

    void reseedFromClock() override { ++reseeds; }
    float next() override
    {
        ++draws;
        return values.isEmpty() ? generator.next() : values.takeFirst();
    }

    QList<float> values;
    ClockRandomGenerator generator;
    int reseeds = 0;
    int draws = 0;
};
