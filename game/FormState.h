#pragma once

#include "pictures/Grid.h"
#include "runtime/Arithmetic.h"
#include "runtime/IntegerArray.h"

// The window-level variables the event procedures share. The board itself is
// not here: it is what the tile boxes show.
struct FormState {
    IntegerArray<Grid::CellCount> CellOrder;
    Boolean GameStarted = false;
    Integer LoopIndex = 0;
    Integer ClickedBox = 0;
    Integer BlankBox = 0;
    Integer ClickedCell = 0;
    // Whether the last click on a box moved its piece.
    Boolean TileMoved = false;
    Integer PictureChoice = 0;
};
