#include "runtime/Arithmetic.h"

#include "runtime/RuntimeError.h"

#include <cmath>
#include <limits>

namespace {

template <typename Number>
Number requireFinite(Number value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    return value;
}

} // namespace

Integer Arithmetic::add(Integer a, Integer b)
{
    const int sum = int(a) + int(b);
    if (sum < std::numeric_limits<Integer>::min() || sum > std::numeric_limits<Integer>::max())
        throw RuntimeError::overflow();
    return Integer(sum);
}

Integer Arithmetic::floorToInteger(float value)
{
    const float whole = std::floor(requireFinite(value));
    if (whole < std::numeric_limits<Integer>::min() || whole > std::numeric_limits<Integer>::max())
        throw RuntimeError::overflow();
    return Integer(whole);
}

float Arithmetic::add(float a, float b)
{
    return requireFinite(a + b);
}

float Arithmetic::subtract(float a, float b)
{
    return requireFinite(a - b);
}

double Arithmetic::add(double a, double b)
{
    return requireFinite(a + b);
}
