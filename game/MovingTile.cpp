#include "game/MovingTile.h"

#include "game/FormState.h"
#include "pictures/Grid.h"
#include "runtime/Conversions.h"
#include "runtime/MessageBox.h"
#include "ui/TileBox.h"
#include "ui/frmMain.h"

#include <QCoreApplication>
#include <QLineEdit>

MovingTile::MovingTile(frmMain &form, FormState &state, MessageBox &messageBox)
    : form_(form), state_(state), messageBox_(messageBox)
{
}

void MovingTile::Picture1_Click(Integer Index)
{
    state_.TileMoved = false;
    if (!state_.GameStarted)
        return;
    Integer &LoopIndex = state_.LoopIndex;
    const Integer PictureChoice = state_.PictureChoice;

    state_.ClickedBox = form_.Picture1(Index).Index();
    for (LoopIndex = 0; LoopIndex <= Grid::LastCell; LoopIndex = Arithmetic::add(LoopIndex, 1)) {
        if (form_.Picture1(state_.ClickedBox).Picture()->Handle() == form_.PictureClip1(PictureChoice).cellPicture(LoopIndex)->Handle())
            state_.ClickedCell = LoopIndex;
    }
    for (LoopIndex = 0; LoopIndex <= Grid::LastCell; LoopIndex = Arithmetic::add(LoopIndex, 1)) {
        if (form_.Picture1(LoopIndex).Picture()->Handle() == form_.PictureClip1(PictureChoice).cellPicture(Grid::BlankCell)->Handle())
            state_.BlankBox = form_.Picture1(LoopIndex).Index();
    }

    const TileBox &hole = form_.Picture1(state_.BlankBox);
    const TileBox &clicked = form_.Picture1(state_.ClickedBox);
    const Boolean sameRow = besideAlong(hole.Top(), clicked.Top(), hole.Left(), clicked.Left(), HorizontalStep);
    if (!sameRow && !besideAlong(hole.Left(), clicked.Left(), hole.Top(), clicked.Top(), VerticalStep)) {
        //: Message box for a click on a box that is not beside the hole.
        messageBox_.show(QCoreApplication::translate("MovingTile", "Cannot move !!!"), MessageBox::OkOnly);
        return;
    }

    form_.Picture1(state_.ClickedBox).setPicture(form_.PictureClip1(PictureChoice).cellPicture(Grid::BlankCell));
    form_.Picture1(state_.BlankBox).setPicture(form_.PictureClip1(PictureChoice).cellPicture(state_.ClickedCell));
    form_.Text1().setText(Conversions::numberToText(Arithmetic::add(Conversions::textToNumber(form_.Text1().text()), 1.0)));
    state_.TileMoved = true;
}

// The boxes share one coordinate and lie exactly one step apart in the other.
// All three comparisons are made, whatever the others give.
Boolean MovingTile::besideAlong(float holeShared, float clickedShared, float holeAlong, float clickedAlong, float step)
{
    return (clickedShared == holeShared)
         & ((Arithmetic::add(holeAlong, step) == clickedAlong) | (Arithmetic::subtract(holeAlong, step) == clickedAlong));
}
