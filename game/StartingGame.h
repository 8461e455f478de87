#pragma once

#include "runtime/Arithmetic.h"

struct FormState;
class frmMain;
class RandomGenerator;

// Start: deals the sixteen cells of the chosen picture into the boxes at
// random and opens the game.
class StartingGame {
public:
    StartingGame(frmMain &form, FormState &state, RandomGenerator &random);

    void cmdStart_Click();
    void Initialize_Puzzle();

private:
    Integer drawCell();
    void makeSolvable();

    frmMain &form_;
    FormState &state_;
    RandomGenerator &random_;
};
