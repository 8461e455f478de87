#pragma once

#include <cstdint>

using Integer = std::int16_t;
using Boolean = bool;

// Arithmetic of the event procedures: 16-bit Integers that raise a run-time
// error on overflow, and floating-point sums that raise one on an infinite or
// undefined result instead of carrying it on silently.
class Arithmetic {
public:
    static Integer add(Integer a, Integer b);
    static Integer floorToInteger(float value);
    static float add(float a, float b);
    static float subtract(float a, float b);
    static double add(double a, double b);
};
