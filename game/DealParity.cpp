#include "game/DealParity.h"

bool DealParity::isSolvable(const Arrangement &cellOrder)
{
    int inversions = 0;
    int hole = 0;
    for (Integer box = 0; box < Grid::CellCount; ++box) {
        if (cellOrder(box) == Grid::BlankCell)
            hole = box;
        for (Integer later = Integer(box + 1); later < Grid::CellCount; ++later)
            inversions += cellOrder(box) > cellOrder(later) ? 1 : 0;
    }
    const int holeDistance = Grid::row(Grid::BlankCell) - Grid::row(hole) + Grid::column(Grid::BlankCell) - Grid::column(hole);
    return inversions % 2 == holeDistance % 2;
}

std::pair<Integer, Integer> DealParity::firstTwoTileBoxes(const Arrangement &cellOrder)
{
    const Integer first = cellOrder(0) == Grid::BlankCell ? 1 : 0;
    const Integer second = cellOrder(Integer(first + 1)) == Grid::BlankCell ? Integer(first + 2) : Integer(first + 1);
    return {first, second};
}
