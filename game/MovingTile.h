#pragma once

#include "runtime/Arithmetic.h"
#include "ui/Layout.h"

struct FormState;
class MessageBox;
class frmMain;

// A click on a tile box in play: a box beside the hole trades places with it
// and the move is counted; any other box is refused.
class MovingTile {
public:
    static constexpr float HorizontalStep = Layout::TileStepX;
    static constexpr float VerticalStep = Layout::TileStepY;

    MovingTile(frmMain &form, FormState &state, MessageBox &messageBox);

    void Picture1_Click(Integer Index);

private:
    static Boolean besideAlong(float holeShared, float clickedShared, float holeAlong, float clickedAlong, float step);

    frmMain &form_;
    FormState &state_;
    MessageBox &messageBox_;
};
