#pragma once

struct FormState;
class frmMain;

// Choosing a picture from the list, and Solve: both show the chosen picture
// whole, every box with its home cell, and end a game in play.
class ChoosingPicture {
public:
    ChoosingPicture(frmMain &form, FormState &state);

    void Combo1_Click();
    void cmdSolve_Click();
    void SolvePuzzle();

private:
    frmMain &form_;
    FormState &state_;
};
