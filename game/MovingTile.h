#pragma once

#include "runtime/Arithmetic.h"

struct FormState;
class MessageBox;
class frmMain;

// A click on a tile box in play: a box beside the hole trades places with it
// and the move is counted; any other box is refused.
class MovingTile {
public:
    static constexpr float HorizontalStep = 1170.0f;
    static constexpr float VerticalStep = 1380.0f;
    static constexpr Integer BlankCell = 15;

    MovingTile(frmMain &form, FormState &state, MessageBox &messageBox);

    void Picture1_Click(Integer Index);

private:
    static Boolean besideAlong(float holeShared, float clickedShared, float holeAlong, float clickedAlong, float step);

    frmMain &form_;
    FormState &state_;
    MessageBox &messageBox_;
};
