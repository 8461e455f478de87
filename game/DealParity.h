#pragma once

#include "pictures/Grid.h"
#include "runtime/IntegerArray.h"

#include <utility>

// Whether a deal can be put back in order by moves. A move exchanges the hole
// with a neighbour: one transposition of the arrangement, one step of the
// hole. So an arrangement is solvable exactly when its parity as a permutation
// equals the parity of the hole's distance from its home in the last box.
class DealParity {
public:
    using Arrangement = IntegerArray<Grid::CellCount>;

    // cellOrder holds each cell once.
    static bool isSolvable(const Arrangement &cellOrder);

    // The two lowest-numbered boxes that do not show the blank cell. Exchanging
    // their cells turns an unsolvable deal into a solvable one, and maps the
    // unsolvable deals for a given hole one-to-one onto the solvable ones.
    static std::pair<Integer, Integer> firstTwoTileBoxes(const Arrangement &cellOrder);
};
