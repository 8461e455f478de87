#pragma once

#include "runtime/Arithmetic.h"
#include "runtime/RuntimeError.h"

#include <array>
#include <cstddef>

// A fixed array of Integers indexed from 0, where an index outside the array
// is a run-time error rather than a stray write.
template <std::size_t Size>
class IntegerArray {
public:
    Integer &operator()(Integer index) { return values_[checked(index)]; }
    Integer operator()(Integer index) const { return values_[checked(index)]; }

private:
    static std::size_t checked(Integer index)
    {
        if (index < 0 || std::size_t(index) >= Size)
            throw RuntimeError::subscriptOutOfRange();
        return std::size_t(index);
    }

    std::array<Integer, Size> values_{};
};
