#include "game/ChoosingPicture.h"

#include "game/FormState.h"
#include "pictures/Grid.h"
#include "runtime/Conversions.h"
#include "ui/CommandButton.h"
#include "ui/TileBox.h"
#include "ui/frmMain.h"

#include <QComboBox>
#include <QLineEdit>

ChoosingPicture::ChoosingPicture(frmMain &form, FormState &state)
    : form_(form), state_(state)
{
}

void ChoosingPicture::Combo1_Click()
{
    state_.PictureChoice = Integer(form_.Combo1().currentIndex());
    form_.Text2().setText(Conversions::integerToText(state_.PictureChoice));
    SolvePuzzle();
    form_.cmdStart().setEnabled(true);
}

void ChoosingPicture::cmdSolve_Click()
{
    SolvePuzzle();
}

void ChoosingPicture::SolvePuzzle()
{
    for (state_.LoopIndex = 0; state_.LoopIndex <= Grid::LastCell; state_.LoopIndex = Arithmetic::add(state_.LoopIndex, 1))
        form_.Picture1(state_.LoopIndex).setPicture(form_.PictureClip1(state_.PictureChoice).cellPicture(state_.LoopIndex));
    form_.cmdSolve().setEnabled(false);
    form_.Text1().setText(Conversions::integerToText(0));
    state_.GameStarted = false;
}
