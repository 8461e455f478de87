#include "game/StartingGame.h"

#include "game/DealParity.h"
#include "game/FormState.h"
#include "pictures/Grid.h"
#include "runtime/Conversions.h"
#include "runtime/RandomGenerator.h"
#include "ui/ColorValue.h"
#include "ui/CommandButton.h"
#include "ui/TileBox.h"
#include "ui/frmMain.h"

#include <QLineEdit>

namespace {
constexpr Integer NotDealt = 99;
}

StartingGame::StartingGame(frmMain &form, FormState &state, RandomGenerator &random)
    : form_(form), state_(state), random_(random)
{
}

void StartingGame::cmdStart_Click()
{
    random_.reseedFromClock();
    form_.cmdSolve().setEnabled(true);
    Initialize_Puzzle();
    form_.Text1().setText(Conversions::integerToText(0));
    state_.GameStarted = true;
}

void StartingGame::Initialize_Puzzle()
{
    Integer &LoopIndex = state_.LoopIndex;
    for (LoopIndex = 0; LoopIndex <= Grid::LastCell; LoopIndex = Arithmetic::add(LoopIndex, 1))
        state_.CellOrder(LoopIndex) = NotDealt;
    for (LoopIndex = 0; LoopIndex <= Grid::LastCell; LoopIndex = Arithmetic::add(LoopIndex, 1))
        form_.Picture1(LoopIndex).setEnabled(true);
    for (LoopIndex = 0; LoopIndex <= Grid::LastCell; LoopIndex = Arithmetic::add(LoopIndex, 1))
        form_.Picture1(LoopIndex).setBackColor(ColorValue::LightCyan);
    for (LoopIndex = 0; LoopIndex <= Grid::LastCell; LoopIndex = Arithmetic::add(LoopIndex, 1)) {
        const Integer cell = drawCell();
        form_.Picture1(LoopIndex).setPicture(form_.PictureClip1(state_.PictureChoice).cellPicture(cell));
        state_.CellOrder(LoopIndex) = cell;
    }
    makeSolvable();
}

// Draws until a cell not yet dealt comes up.
Integer StartingGame::drawCell()
{
    for (;;) {
        const Integer drawn = Arithmetic::floorToInteger(random_.next() * float(Grid::CellCount));
        Boolean alreadyDealt = false;
        for (Integer scan = 0; scan <= Grid::LastCell; scan = Arithmetic::add(scan, 1)) {
            if (state_.CellOrder(scan) == drawn)
                alreadyDealt = true;
        }
        if (!alreadyDealt)
            return drawn;
    }
}

// Half of all deals cannot be put back in order by moves; exchanging two tiles
// that are not the hole turns such a deal into one that can.
void StartingGame::makeSolvable()
{
    if (DealParity::isSolvable(state_.CellOrder))
        return;
    const auto [first, second] = DealParity::firstTwoTileBoxes(state_.CellOrder);
    const Integer firstCell = state_.CellOrder(first);
    state_.CellOrder(first) = state_.CellOrder(second);
    state_.CellOrder(second) = firstCell;
    form_.Picture1(first).setPicture(form_.PictureClip1(state_.PictureChoice).cellPicture(state_.CellOrder(first)));
    form_.Picture1(second).setPicture(form_.PictureClip1(state_.PictureChoice).cellPicture(state_.CellOrder(second)));
}
