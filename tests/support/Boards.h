#pragma once

#include "pictures/Grid.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>

// The cell each box shows, box by box.
using Board = std::array<int, Grid::CellCount>;

// Boards as the tests build and read them.
class Boards {
public:
    // Every box shows its own cell: the picture whole.
    static Board inOrder()
    {
        Board board{};
        std::iota(board.begin(), board.end(), 0);
        return board;
    }

    // In order, except that the hole sits in box hole.
    static Board holeAt(int hole)
    {
        Board board = inOrder();
        std::swap(board[std::size_t(hole)], board[Grid::BlankCell]);
        return board;
    }

    // The box that shows the blank cell.
    static int hole(const Board &board)
    {
        return int(std::find(board.begin(), board.end(), Grid::BlankCell) - board.begin());
    }

    // Every cell shown once, as a deal leaves them.
    static bool isDeal(Board board)
    {
        std::sort(board.begin(), board.end());
        return board == inOrder();
    }

    // Whether a tile in one box could slide into the other.
    static bool beside(int box, int other)
    {
        return std::abs(Grid::row(box) - Grid::row(other)) + std::abs(Grid::column(box) - Grid::column(other)) == 1;
    }
};
