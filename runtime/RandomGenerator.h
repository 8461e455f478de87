#pragma once

// The random numbers of the deal: a fresh seed from the clock at every Start,
// then values u with 0 <= u < 1.
class RandomGenerator {
public:
    virtual ~RandomGenerator() = default;
    virtual void reseedFromClock() = 0;
    virtual float next() = 0;
};
