#include "game/DealParity.h"

bool DealParity::isSolvable(const IntegerArray<16> &cellOrder)
{
    int inversions = 0;
    int hole = 0;
    for (Integer box = 0; box < 16; ++box) {
        if (cellOrder(box) == BlankCell)
            hole = box;
        for (Integer later = Integer(box + 1); later < 16; ++later)
            inversions += cellOrder(box) > cellOrder(later) ? 1 : 0;
    }
    const int holeDistance = (3 - hole / 4) + (3 - hole % 4);
    return inversions % 2 == holeDistance % 2;
}

std::pair<Integer, Integer> DealParity::firstTwoTileBoxes(const IntegerArray<16> &cellOrder)
{
    const Integer first = cellOrder(0) == BlankCell ? 1 : 0;
    const Integer second = cellOrder(Integer(first + 1)) == BlankCell ? Integer(first + 2) : Integer(first + 1);
    return {first, second};
}
